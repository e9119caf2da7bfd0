#pragma once
// TLedCheck: a check box, radio button or push button whose state shows as a
// small LED in a 3-D bevel ring, with a caption on any side of the LED. The
// LED shows Checked; a checked LED can blink.

#include "buttons/buttontypes.h"
#include "buttons/led.h"
#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"

#include <QString>

#include <algorithm>

namespace Veltor {

// The check's property values and their rules, without a widget.
struct TLedCheckModel {
  static constexpr int kMinLedSize = 6;
  static constexpr int kMaxLedSize = 30;

  TCheckMode CheckMode = lcNone;
  TLedShape LedShape = ledCircle;
  TPanelBevel LedBevel = bvRaised;
  TColor LedCol = clRed;
  bool LedBlink = false;
  int LedSize = 8;
  QString Caption;
  QString Caption1;
  TColor CaptionCol = clBlack;
  TColor CaptionCol1 = clBlack;
  TColor CaptFrmCol = clBlack;
  bool CaptFrame = false;
  bool CaptAutoFrm = false;
  TOrientType CaptPos = orRight;
  int GroupIndex = 0;

  static int ClampLedSize(int v) { return std::clamp(v, kMinLedSize, kMaxLedSize); }
  static int ClampGroupIndex(int v) { return std::max(v, 0); }
  // The frame's button behaviour each mode runs on.
  static TTastStyle ButtonStyleFor(TCheckMode mode);
  // The smallest width and height: the LED with a pixel to spare each side,
  // plus every bevel that is drawn.
  static int MinSide(int ledSize, int bevWidth, TPanelBevel bevelIn, TPanelBevel bevelOut);

  // While lit, Caption1 replaces Caption unless it is empty.
  bool ShowsCaption1(bool lit) const { return lit && !Caption1.isEmpty(); }
  QString ShownCaption(bool lit) const { return ShowsCaption1(lit) ? Caption1 : Caption; }
  TColor ShownCaptionColor(bool lit) const { return ShowsCaption1(lit) ? CaptionCol1 : CaptionCol; }
  bool CaptionFramed(bool checked) const { return CaptFrame || (CaptAutoFrm && checked); }
};

// Where the parts of the check go inside its frame.
struct TLedCheckLayout {
  TLedSpot Disc;       // the silver disc (or square) under the ring, radius LedSize
  int RingWidth = 0;   // width of the bevel ring
  int RingRadius = 0;  // a round ring is drawn on this circle
  TColor RingTopLeft = clWhite;
  TColor RingBottomRight = clGray;
  TLedSpot Lamp;  // the lamp inside the ring
  TRect CaptBox;  // the caption's box, outlined when framed
  TRect TextBox;  // the caption is clipped here
  int TextTop = 0;
};

// Width of the bevel ring around an LED of the given radius.
int LedRingWidth(int ledSize);

// Layout of a width x height check whose frame left inner; fontHeight is the
// caption font's height (negative for a character height).
TLedCheckLayout LedCheckLayout(int width, int height, const TRect& inner, const TLedCheckModel& model,
                               TColor background, int fontHeight);

class TLedCheck : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColBtnBord READ ColBtnBord WRITE SetColBtnBord)
  Q_PROPERTY(bool Framed READ Framed WRITE SetFramed)
  Q_PROPERTY(Veltor::ButtonEnums::TCheckMode CheckMode READ CheckMode WRITE SetCheckMode)
  Q_PROPERTY(Veltor::ButtonEnums::TLedShape LedShape READ LedShape WRITE SetLedShape)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel LedBevel READ LedBevel WRITE SetLedBevel)
  Q_PROPERTY(Veltor::TColor LedCol READ LedCol WRITE SetLedCol)
  Q_PROPERTY(bool LedBlink READ LedBlink WRITE SetLedBlink)
  Q_PROPERTY(int LedSize READ LedSize WRITE SetLedSize)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QString Caption1 READ Caption1 WRITE SetCaption1)
  Q_PROPERTY(Veltor::TColor CaptionCol READ CaptionCol WRITE SetCaptionCol)
  Q_PROPERTY(Veltor::TColor CaptionCol1 READ CaptionCol1 WRITE SetCaptionCol1)
  Q_PROPERTY(Veltor::TColor CaptFrmCol READ CaptFrmCol WRITE SetCaptFrmCol)
  Q_PROPERTY(bool CaptFrame READ CaptFrame WRITE SetCaptFrame)
  Q_PROPERTY(bool CaptAutoFrm READ CaptAutoFrm WRITE SetCaptAutoFrm)
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(Veltor::ButtonEnums::TOrientType CaptPos READ CaptPos WRITE SetCaptPos)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)

 public:
  explicit TLedCheck(QWidget* parent = nullptr);
  ~TLedCheck() override;

  // Also sets ButtonStyle: lcNone a plain lamp, lcButton a push button,
  // lcCheckBox and lcRadioBtn push-pull.
  TCheckMode CheckMode() const { return FModel.CheckMode; }
  void SetCheckMode(TCheckMode v);
  TLedShape LedShape() const { return FModel.LedShape; }
  void SetLedShape(TLedShape v) { Assign(FModel.LedShape, v); }
  TPanelBevel LedBevel() const { return FModel.LedBevel; }
  void SetLedBevel(TPanelBevel v) { Assign(FModel.LedBevel, v); }
  TColor LedCol() const { return FModel.LedCol; }
  void SetLedCol(TColor v);
  // Only a checked LED blinks.
  bool LedBlink() const { return FModel.LedBlink; }
  void SetLedBlink(bool v);
  // LED radius in pixels, kept within 6..30.
  int LedSize() const { return FModel.LedSize; }
  void SetLedSize(int v) { Assign(FModel.LedSize, TLedCheckModel::ClampLedSize(v)); }
  QString Caption() const { return FModel.Caption; }
  void SetCaption(const QString& v) { Assign(FModel.Caption, v); }
  QString Caption1() const { return FModel.Caption1; }
  void SetCaption1(const QString& v) { Assign(FModel.Caption1, v); }
  TColor CaptionCol() const { return FModel.CaptionCol; }
  void SetCaptionCol(TColor v);
  TColor CaptionCol1() const { return FModel.CaptionCol1; }
  void SetCaptionCol1(TColor v);
  TColor CaptFrmCol() const { return FModel.CaptFrmCol; }
  void SetCaptFrmCol(TColor v);
  // The caption is framed always (CaptFrame) or while checked (CaptAutoFrm);
  // switching one on switches the other off.
  bool CaptFrame() const { return FModel.CaptFrame; }
  void SetCaptFrame(bool v);
  bool CaptAutoFrm() const { return FModel.CaptAutoFrm; }
  void SetCaptAutoFrm(bool v);
  // Settable by program in every mode; a checked radio LED unchecks the
  // others of its group.
  bool Checked() const { return Status(); }
  void SetChecked(bool v);
  TOrientType CaptPos() const { return FModel.CaptPos; }
  void SetCaptPos(TOrientType v) { Assign(FModel.CaptPos, v); }
  int GroupIndex() const { return FModel.GroupIndex; }
  void SetGroupIndex(int v) { FModel.GroupIndex = TLedCheckModel::ClampGroupIndex(v); }

  // Valid after the first paint.
  const TLedCheckLayout& Layout() const { return FLayout; }
  // Whether the LED is lit on the surface now.
  bool LitShown() const { return FLitShown; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;
  void Resized() override;

 private:
  void DrawLed(bool lit);
  void DrawCaption(bool lit);
  void ShowNow(const TRect& r);
  void NotifyGroup();
  void BlinkTick();

  TLedCheckModel FModel;
  TLedCheckLayout FLayout;
  bool FPainted = false;
  bool FLitShown = false;
  TTickSubscription FBlinker;
};

}  // namespace Veltor
