#pragma once
// TLedButton: a push button whose face carries a round or rectangular LED,
// with an optional caption in a silver box under the LED or written inside
// it. The program switches the LED and makes it blink; the button presses,
// toggles and forms radio groups like the frame base's buttons.

#include "buttons/buttontypes.h"
#include "buttons/led.h"
#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"

#include <QString>

#include <algorithm>

namespace Veltor {

// The button's property values and their rules, without a widget.
struct TLedButtonModel {
  static constexpr int kCaptionLength = 10;
  static constexpr int kMaxGroupIndex = 255;

  TColor ColLed = clLime;
  bool LedOn = false;
  bool LedBlink = false;
  TLedShape LedShape = ledCircle;
  TCaptType CaptType = ctBevel;
  QString Caption;
  QString Caption1;
  TColor ColCaption = clBlack;
  TColor ColCaption1 = clBlack;
  TPanelBevel CaptBevel = bvNone;
  int GroupIndex = 0;
  bool AllowAllUp = false;

  static QString CutCaption(const QString& s) { return s.left(kCaptionLength); }
  static int ClampGroupIndex(int v) { return std::clamp(v, 0, kMaxGroupIndex); }

  // While down, Caption1 replaces Caption unless it is empty.
  bool ShowsCaption1(bool down) const { return down && !Caption1.isEmpty(); }
  QString ShownCaption(bool down) const { return ShowsCaption1(down) ? Caption1 : Caption; }
  TColor ShownCaptionColor(bool down) const { return ShowsCaption1(down) ? ColCaption1 : ColCaption; }
  // Right after LedBlink was switched: lit when on, otherwise lit exactly
  // when blinking has just started.
  bool LitAfterBlinkSwitch() const { return LedOn || LedBlink; }
};

// Where the parts of the button go inside its frame.
struct TLedButtonLayout {
  int Margin = 0;   // gap around the LED
  TLedSpot Socket;  // grey socket, the LED's full size
  TLedSpot Lamp;    // the lamp, one pixel inside the socket
  TRect TextBox;    // ctLed: the caption is fitted and clipped here
  TRect CaptFrame;  // ctBevel: the caption box with its bevel
  TRect CaptBox;    // ctBevel: the silver box inside the bevel
};

// Layout of a width x height button whose frame left inner. The LED is as
// large as the shorter inner side allows; a caption box takes the lower part.
TLedButtonLayout LedButtonLayout(int width, int height, const TRect& inner, const TLedButtonModel& model,
                                 bool fontAutom);

class TLedButton : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)
  Q_PROPERTY(Veltor::FoundationEnums::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
  Q_PROPERTY(Veltor::TColor ColBtnBord READ ColBtnBord WRITE SetColBtnBord)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(Veltor::TColor ColLed READ ColLed WRITE SetColLed)
  Q_PROPERTY(bool LedOn READ LedOn WRITE SetLedOn)
  Q_PROPERTY(bool LedBlink READ LedBlink WRITE SetLedBlink)
  Q_PROPERTY(Veltor::ButtonEnums::TLedShape LedShape READ LedShape WRITE SetLedShape)
  Q_PROPERTY(Veltor::ButtonEnums::TCaptType CaptType READ CaptType WRITE SetCaptType)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QString Caption1 READ Caption1 WRITE SetCaption1)
  Q_PROPERTY(Veltor::TColor ColCaption READ ColCaption WRITE SetColCaption)
  Q_PROPERTY(Veltor::TColor ColCaption1 READ ColCaption1 WRITE SetColCaption1)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel CaptBevel READ CaptBevel WRITE SetCaptBevel)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)

 public:
  explicit TLedButton(QWidget* parent = nullptr);
  ~TLedButton() override;

  bool AllowAllUp() const { return FModel.AllowAllUp; }
  void SetAllowAllUp(bool v) { FModel.AllowAllUp = v; }
  int GroupIndex() const { return FModel.GroupIndex; }
  void SetGroupIndex(int v) { FModel.GroupIndex = TLedButtonModel::ClampGroupIndex(v); }

  // The LED setters redraw only the LED, at once.
  TColor ColLed() const { return FModel.ColLed; }
  void SetColLed(TColor v);
  bool LedOn() const { return FModel.LedOn; }
  void SetLedOn(bool v);
  bool LedBlink() const { return FModel.LedBlink; }
  void SetLedBlink(bool v);

  TLedShape LedShape() const { return FModel.LedShape; }
  void SetLedShape(TLedShape v) { Assign(FModel.LedShape, v); }
  TCaptType CaptType() const { return FModel.CaptType; }
  void SetCaptType(TCaptType v) { Assign(FModel.CaptType, v); }
  // At most ten characters; longer texts are cut.
  QString Caption() const { return FModel.Caption; }
  void SetCaption(const QString& v) { Assign(FModel.Caption, TLedButtonModel::CutCaption(v)); }
  QString Caption1() const { return FModel.Caption1; }
  void SetCaption1(const QString& v) { Assign(FModel.Caption1, TLedButtonModel::CutCaption(v)); }
  TColor ColCaption() const { return FModel.ColCaption; }
  void SetColCaption(TColor v);
  TColor ColCaption1() const { return FModel.ColCaption1; }
  void SetColCaption1(TColor v);
  TPanelBevel CaptBevel() const { return FModel.CaptBevel; }
  void SetCaptBevel(TPanelBevel v);

  // Takes effect for push-pull buttons (and while loading); a button going
  // down releases the rest of its group.
  bool Down() const { return Status(); }
  void SetDown(bool v);

  // Valid after the first paint.
  const TLedButtonLayout& Layout() const { return FLayout; }
  // Whether the LED is lit on the surface now.
  bool LitShown() const { return FLitShown; }

 public slots:
  // Repaints; the change notification of the font.
  void StyleChanged(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;
  void FontChanged() override { StyleChanged(this); }

 private:
  void DrawLed(bool lit);
  void DrawCaption();
  void ShowNow(const TRect& r);
  void NotifyGroup();
  void BlinkTick();

  TLedButtonModel FModel;
  TLedButtonLayout FLayout;
  TFont FCaptionFont;  // the font as fitted by the last paint
  bool FPainted = false;
  bool FLitShown = false;
  TTickSubscription FBlinker;
};

}  // namespace Veltor
