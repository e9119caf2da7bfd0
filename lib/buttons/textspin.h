#pragma once
// Spinners over a list of entries "text|value|real": the control shows the
// text of the current entry and two arrow buttons that step through the list,
// repeating while held. TTextSpin has its buttons right of the text,
// TSerieSpin above and below it.

#include "buttons/buttontypes.h"
#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace Veltor {

// Where a spinner's parts go inside its frame, final: painting changes none
// of them.
struct TSpinLayout {
  TRect TextOutline;  // the rectangle the text area's outline is drawn on
  TRect TextArea;     // inside the outline: background and text
  TRect UpFrame;      // a button's black frame (right and bottom exclusive)
  TRect UpBtn;        // the raised face inside it: the hit area
  TRect DownFrame;
  TRect DownBtn;
};

// Buttons stacked at the right, one and a half times as wide as each is high.
TSpinLayout TextSpinLayout(const TRect& inner);
// Buttons in strips across the top and bottom (at most 15 pixels high), kept
// clear of a side whose rings are shown. On a side without rings the text
// runs out to the control's edge (0 or `width`).
TSpinLayout SerieSpinLayout(const TRect& inner, bool bordLeft, bool bordRight, int width);

// What the two spinners share; not used on its own.
class TCustomSpin : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColTxtBack READ ColTxtBack WRITE SetColTxtBack)
  Q_PROPERTY(QStringList PosText READ PosText WRITE SetPosText)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(int PosInteger READ PosInteger WRITE SetPosInteger)
  Q_PROPERTY(Veltor::TColor PosColor READ PosColor WRITE SetPosColor)
  Q_PROPERTY(QString PosString READ PosString WRITE SetPosString)
  Q_PROPERTY(double PosFloat READ PosFloat WRITE SetPosFloat)
  Q_PROPERTY(bool Limiter READ Limiter WRITE SetLimiter)
  Q_PROPERTY(Veltor::ButtonEnums::TTextStyle TextAdjust READ TextAdjust WRITE SetTextAdjust)
  Q_PROPERTY(int RepSpeed READ RepSpeed WRITE SetRepSpeed)
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)

 public:
  ~TCustomSpin() override;

  TColor ColTxtBack() const { return FColTxtBack; }
  void SetColTxtBack(TColor v);
  // The entries, each "text|value|real" with the last two fields optional.
  QStringList PosText() const { return FPosText; }
  void SetPosText(const QStringList& v);
  int Count() const { return int(FPosText.size()); }

  // Index of the current entry. Out-of-range values wrap around, or stop at
  // the ends with Limiter. Setting it never fires an event.
  int Position() const { return FPosition; }
  void SetPosition(int v);

  // The parts of the current entry (empty or 0 when there is none). Setting
  // one selects the first entry whose part equals the value, or leaves the
  // position alone when none does; ignored while a stored form loads, where
  // Position says which entry is current.
  int PosInteger() const;
  void SetPosInteger(int v);
  TColor PosColor() const;
  void SetPosColor(TColor v);
  QString PosString() const;
  void SetPosString(const QString& v);
  double PosFloat() const;
  void SetPosFloat(double v);

  bool Limiter() const { return FLimiter; }
  void SetLimiter(bool v) { FLimiter = v; }
  TTextStyle TextAdjust() const { return FTextAdjust; }
  void SetTextAdjust(TTextStyle v);
  // Auto-repeat period in ms while a button is held; below 50, no repeat.
  int RepSpeed() const { return FRepSpeed; }
  void SetRepSpeed(int v) { FRepSpeed = v; }

  // One step up or down; false when the Limiter (or an empty list) stops it.
  // Fires no event: the mouse handling does.
  bool Step(bool up);

  // Geometry of the last paint: the text area inside its outline, and the
  // buttons' faces (inside their black frames), which are the hit areas.
  TRect TextArea() const { return FLayout.TextArea; }
  TRect UpButton() const { return FLayout.UpBtn; }
  TRect DownButton() const { return FLayout.DownBtn; }

 public slots:
  // Change notification of the entries and the font.
  void StyleChanged() { Invalidate(); }

 signals:
  // After every step made with a button, auto-repeat steps included.
  void onChanging(QObject* Sender);
  // At mouse-up, when the press made at least one step.
  void onChanged(QObject* Sender);

 protected:
  explicit TCustomSpin(QWidget* parent);

  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Loaded() override;

  // The variants differ in layout, arrows, text outline and font fitting.
  virtual TSpinLayout Layout(const TRect& inner) const = 0;
  virtual void DrawArrows(TCanvas& canvas) const = 0;
  virtual void DrawTextOutline(TCanvas& canvas, const TSpinLayout& l) const = 0;
  virtual void FitTextFont(TFont& font, int height) const = 0;
  virtual int TextTopFor(const TRect& area, const TFont& font) const = 0;

 private:
  QString CurrentEntry() const;
  template <typename Match>
  void SelectEntry(Match matches);
  void KeepPositionInList();
  void DrawValue();
  void FitWidestEntry(TCanvas& canvas) const;
  void DrawButton(TCanvas& canvas, const TRect& frame, const TRect& face, bool pressed) const;
  void StepByButton(bool up);
  void RepeatTick();

  TColor FColTxtBack = clBlack;
  QStringList FPosText;
  int FPosition = 0;
  bool FLimiter = false;
  TTextStyle FTextAdjust = ttCenter;
  int FRepSpeed = 0;

  TSpinLayout FLayout;
  int FTextTop = 0;
  bool FSpinPainted = false;
  bool FUpPressed = false;
  bool FDownPressed = false;
  bool FStepsMade = false;
  TTickSubscription FRepeatTicker;
};

class TTextSpin : public TCustomSpin {
  Q_OBJECT
 public:
  explicit TTextSpin(QWidget* parent = nullptr);

 protected:
  TSpinLayout Layout(const TRect& inner) const override;
  void DrawArrows(TCanvas& canvas) const override;
  void DrawTextOutline(TCanvas& canvas, const TSpinLayout& l) const override;
  void FitTextFont(TFont& font, int height) const override;
  int TextTopFor(const TRect& area, const TFont& font) const override;
};

class TSerieSpin : public TCustomSpin {
  Q_OBJECT
 public:
  explicit TSerieSpin(QWidget* parent = nullptr);

  // The smallest height that leaves room for both buttons and some text.
  int MinHeight() const;

 protected:
  void Resized() override;
  TSpinLayout Layout(const TRect& inner) const override;
  void DrawArrows(TCanvas& canvas) const override;
  void DrawTextOutline(TCanvas& canvas, const TSpinLayout& l) const override;
  void FitTextFont(TFont& font, int height) const override;
  int TextTopFor(const TRect& area, const TFont& font) const override;
};

}  // namespace Veltor
