#pragma once
// TCtrlTimer: a programmable countdown timer. Hours, minutes and seconds in
// one of six resolutions on a coloured panel, a caption and four mode
// buttons. The start time is set by clicking the digits (upper half up,
// lower half down); three trigger times fire events while the time runs
// down; at zero the digits blink between two colours.

#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"
#include "host/component.h"
#include "segments/segmentrow.h"
#include "segments/segmentstypes.h"

#include <array>

namespace Veltor {

class TCtrlTimer;

// Resolution helpers: which parts a resolution shows, in order (0 hours,
// 1 minutes, 2 seconds).
std::vector<int> ShownParts(TCtrlTRes res);
bool ShowsPart(TCtrlTRes res, int part);

// A time of the control timer: six digits, edited inside its owner.
class TCtlTime : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(int Beep READ Beep WRITE SetBeep)
  Q_PROPERTY(int ValueHours READ ValueHours WRITE SetValueHours)
  Q_PROPERTY(int ValueMinutes READ ValueMinutes WRITE SetValueMinutes)
  Q_PROPERTY(int ValueSeconds READ ValueSeconds WRITE SetValueSeconds)

 public:
  explicit TCtlTime(TCtrlTimer* owner);

  // Sound id for the platform beep when this time is reached; negative:
  // silent.
  int Beep() const { return FBeep; }
  void SetBeep(int v) { FBeep = v; }
  // Each is accepted only within its range (hours 0..99, others 0..59) and
  // when the owner's resolution shows it; a stored form sets it unchecked.
  int ValueHours() const { return D[0] * 10 + D[1]; }
  void SetValueHours(int v) { SetPart(0, v); }
  int ValueMinutes() const { return D[2] * 10 + D[3]; }
  void SetValueMinutes(int v) { SetPart(1, v); }
  int ValueSeconds() const { return D[4] * 10 + D[5]; }
  void SetValueSeconds(int v) { SetPart(2, v); }

  // H10 H1 M10 M1 S10 S1 as one number, for comparisons.
  int Packed() const;
  // All digits 0, Elapsed set.
  void Clear();
  // One second down, borrowing through the digits; at zero only Elapsed is
  // set. ShowStep tells whether a digit res shows changed.
  void StepDown(TCtrlTRes res);
  // "HH", "HH:MM" ... as res shows it.
  QString Text(TCtrlTRes res) const;

  std::array<int, 6> D{};  // H10, H1, M10, M1, S10, S1
  bool ShowStep = false;
  bool Elapsed = false;

 private:
  void SetPart(int part, int v);

  TCtrlTimer* FOwner;
  int FBeep = 0;
};

// Where the parts of a TCtrlTimer go.
struct TCtrlTimerLayout {
  TRect Panel;
  TRect Caption;
  TRect Column;  // the buttons' sunken column
  std::array<TRect, 4> Buttons;
  TRect Digits;  // the cells' area
  std::vector<TRect> Cells;
  std::vector<TRect> UpZones;  // per cell: increment above, decrement below
  std::vector<TRect> DownZones;
  int Corner = 0;
};
struct TCtrlTimerFlags {
  bool BordLeft = true, BordRight = true, BordTop = true, BordBottom = true;
};
TCtrlTimerLayout CtrlTimerLayout(int width, int height, const TRect& inner, const TCtrlTimerFlags& flags,
                                 int captionHeight, TCtrlTRes res);

class TCtrlTimer : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack)
  Q_PROPERTY(Veltor::TCtlTime* StartTime READ StartTime)
  Q_PROPERTY(Veltor::TCtlTime* Trigger1 READ Trigger1)
  Q_PROPERTY(Veltor::TCtlTime* Trigger2 READ Trigger2)
  Q_PROPERTY(Veltor::TCtlTime* Trigger3 READ Trigger3)
  Q_PROPERTY(Veltor::SegmentEnums::TCtrlTRes Resolution READ Resolution WRITE SetResolution)
  Q_PROPERTY(Veltor::SegmentEnums::tCtrlTMode Mode READ Mode WRITE SetMode)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool DispItalic READ DispItalic WRITE SetDispItalic)
  Q_PROPERTY(Veltor::SegmentEnums::TmShapeType Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::TColor ColSegm READ ColSegm WRITE SetColSegm)
  Q_PROPERTY(Veltor::TColor ColElapsed READ ColElapsed WRITE SetColElapsed)
  Q_PROPERTY(Veltor::TColor CaptCol READ CaptCol WRITE SetCaptCol)
  Q_PROPERTY(Veltor::TColor ModeColor READ ModeColor WRITE SetModeColor)

 public:
  static constexpr int MaxCaption = 10;

  explicit TCtrlTimer(QWidget* parent = nullptr);

  TCtlTime* StartTime() { return &FStartTime; }
  TCtlTime* Trigger1() { return &FTrigger1; }
  TCtlTime* Trigger2() { return &FTrigger2; }
  TCtlTime* Trigger3() { return &FTrigger3; }
  // Trigger 1..3.
  TCtlTime* Trigger(int i) { return i == 1 ? &FTrigger1 : i == 2 ? &FTrigger2 : &FTrigger3; }
  TCtlTime* RunTime() { return &FRunTime; }

  TCtrlTRes Resolution() const { return FResolution; }
  void SetResolution(TCtrlTRes v);
  tCtrlTMode Mode() const { return FMode; }
  // elapsed is reached only by counting down and cannot be set.
  void SetMode(tCtrlTMode v);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  bool DispItalic() const { return FDispItalic; }
  void SetDispItalic(bool v) { Assign(FDispItalic, v); }
  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType v) { Assign(FShape, v); }
  TColor ColSegm() const { return FColSegm; }
  void SetColSegm(TColor v) { Assign(FColSegm, v); }
  TColor ColElapsed() const { return FColElapsed; }
  void SetColElapsed(TColor v) { FColElapsed = v; }
  TColor CaptCol() const { return FCaptCol; }
  void SetCaptCol(TColor v) { Assign(FCaptCol, v); }
  TColor ModeColor() const { return FModeColor; }
  void SetModeColor(TColor v) { Assign(FModeColor, v); }

  // The time on display: the start time in reset, the running count in run,
  // stop and elapsed, the trigger being edited in trig1..trig3.
  TCtlTime* ShownTime();
  // The parts for the current size; buttons and zones are the hit areas.
  TCtrlTimerLayout Geometry() const;

  // A time's digits changed.
  void TimeChanged(TCtlTime* time);

 public slots:
  void StyleChanged() { Invalidate(); }

 signals:
  void OnStart(QObject* Sender);
  void OnElapsed(QObject* Sender);
  void OnTrigger1(QObject* Sender);
  void OnTrigger2(QObject* Sender);
  void OnTrigger3(QObject* Sender);
  void OnStop(QObject* Sender);
  void OnReset(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton, TShiftState, int, int) override {}
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  void CountStep();
  void Notify(int code);
  void BlinkTick();
  void ButtonPressed(int index);
  void EditDigit(int cell, bool up);
  void DrawDigits(TColor color);
  void DrawButtons();
  void DrawCaption();
  void DrawLabels(const TRect& frameInner);

  TSegmentRow FRow;
  TTickSubscription FTicker;
  TTickSubscription FBlinker;
  TCtlTime FStartTime{this};
  TCtlTime FTrigger1{this};
  TCtlTime FTrigger2{this};
  TCtlTime FTrigger3{this};
  TCtlTime FRunTime{this};
  bool FShown = false;
  TCtrlTimerLayout FLayout;
  TFont FButtonFont;

  bool FDispItalic = false;
  TmShapeType FShape = smtRoundrect;
  TCtrlTRes FResolution = SegmentEnums::tcHHMMSS;
  tCtrlTMode FMode = SegmentEnums::reset;
  TColor FModeColor = clBlack;
  TColor FColSegm = clLime;
  TColor FColElapsed = clRed;
  QString FCaption = QStringLiteral("Timer");
  TColor FCaptCol = clRed;
};

}  // namespace Veltor
