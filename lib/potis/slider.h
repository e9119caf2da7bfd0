#pragma once
// TSlider: a fader. A button slides along a sunken or raised trench, with
// engraved ticks beside it and an optional caption; horizontal or vertical
// as the control's shape says. The value runs from ValueMin (left, bottom)
// to ValueMax; in selector mode the button snaps to ScalaPart + 1 detents.

#include "foundation/tickregistry.h"
#include "foundation/veltorbase.h"
#include "potis/poti_model.h"
#include "potis/potistypes.h"
#include "potis/slider_layout.h"

#include <QString>

class QWheelEvent;

namespace Veltor {

class TSlider : public TVeltorBase {
  Q_OBJECT
  Q_PROPERTY(bool CaptEna READ CaptEna WRITE SetCaptEna)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(Veltor::TColor CaptColor READ CaptColor WRITE SetCaptColor)
  Q_PROPERTY(int CaptOffset READ CaptOffset WRITE SetCaptOffset)
  Q_PROPERTY(Veltor::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(bool Selector READ Selector WRITE SetSelector)
  Q_PROPERTY(double ValueMax READ ValueMax WRITE SetValueMax)
  Q_PROPERTY(double ValueMin READ ValueMin WRITE SetValueMin)
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(int TrenchWidth READ TrenchWidth WRITE SetTrenchWidth)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(int DragDelay READ DragDelay WRITE SetDragDelay)
  Q_PROPERTY(Veltor::PotiEnums::TButtonDir ButtonDir READ ButtonDir WRITE SetButtonDir)
  Q_PROPERTY(Veltor::PotiEnums::TButtonStyle BtnStyle READ BtnStyle WRITE SetBtnStyle)
  Q_PROPERTY(int ButtonSize READ ButtonSize WRITE SetButtonSize)
  Q_PROPERTY(bool ScalaShow READ ScalaShow WRITE SetScalaShow)
  Q_PROPERTY(int ScalaPart READ ScalaPart WRITE SetScalaPart)
  Q_PROPERTY(Veltor::TColor ScalaColor READ ScalaColor WRITE SetScalaColor)
  Q_PROPERTY(Veltor::TColor ButtonColor READ ButtonColor WRITE SetButtonColor)
  Q_PROPERTY(Veltor::TColor TrenchColor READ TrenchColor WRITE SetTrenchColor)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel TrenchStyle READ TrenchStyle WRITE SetTrenchStyle)
  Q_PROPERTY(Veltor::PotiEnums::TOrientation Orientation READ Orientation WRITE SetOrientation)

 public:
  explicit TSlider(QWidget* parent = nullptr);
  ~TSlider() override;

  bool CaptEna() const { return FCaptEna; }
  void SetCaptEna(bool v) { Assign(FCaptEna, v); }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v) { Assign(FCaption, v); }
  TColor CaptColor() const { return FCaptColor; }
  void SetCaptColor(TColor v) { Assign(FCaptColor, v); }
  // Where the caption starts across the travel, from the middle line;
  // -(cross size div 2) .. Width - 5.
  int CaptOffset() const { return FCaptOffset; }
  void SetCaptOffset(int v);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { Assign(FAlignment, v); }
  // Snap to the ScalaPart + 1 detents; switching it on moves the value to
  // the nearest one.
  bool Selector() const { return FSelector; }
  void SetSelector(bool v);
  // The ends stay within -10000..10000 and at least one apart; the value
  // follows into the new range.
  double ValueMax() const { return FModel.End(); }
  void SetValueMax(double v);
  double ValueMin() const { return FModel.Start(); }
  void SetValueMin(double v);
  // Clamped to the range; in selector mode it takes the nearest detent.
  // Moves the button and fires no event.
  double Value() const { return FModel.Value(); }
  void SetValue(double v);
  // Half the trench's width, 1..6.
  int TrenchWidth() const { return FTrenchWidth; }
  void SetTrenchWidth(int v);
  // The detent, clamped to 0..ScalaPart; the value follows.
  int Position() const { return FPosition; }
  void SetPosition(int v);
  // 0..20, as the rotary pot's; no effect in selector mode.
  int DragDelay() const { return FDragDelay; }
  void SetDragDelay(int v);
  TButtonDir ButtonDir() const { return FButtonDir; }
  void SetButtonDir(TButtonDir v) { Assign(FButtonDir, v); }
  TButtonStyle BtnStyle() const { return FBtnStyle; }
  void SetBtnStyle(TButtonStyle v) { Assign(FBtnStyle, v); }
  // 6..30.
  int ButtonSize() const { return FButtonSize; }
  void SetButtonSize(int v);
  bool ScalaShow() const { return FScalaShow; }
  void SetScalaShow(bool v) { Assign(FScalaShow, v); }
  // Divisions and highest detent, 1..100.
  int ScalaPart() const { return FScalaPart; }
  void SetScalaPart(int v);
  TColor ScalaColor() const { return FScalaColor; }
  void SetScalaColor(TColor v) { Assign(FScalaColor, v); }
  // Redraws only the button.
  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor v);
  TColor TrenchColor() const { return FTrenchColor; }
  void SetTrenchColor(TColor v) { Assign(FTrenchColor, v); }
  TPanelBevel TrenchStyle() const { return FTrenchStyle; }
  void SetTrenchStyle(TPanelBevel v) { Assign(FTrenchStyle, v); }
  // Follows the shape: a control at least as wide as high is horizontal.
  TOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TOrientation v);

  TSliderLayout Layout() const;
  // Where the button is drawn now (empty before the first paint).
  TRect ButtonRect() const { return FButton.Placed() ? FButton.Place() : TRect(); }

 signals:
  // After every change the user makes (mouse, delayed drag, wheel).
  void OnChanging(QObject* Sender);
  // At mouse-up when the press changed the value; after every wheel notch
  // that changed it.
  void OnChanged(QObject* Sender);

 protected:
  void Loaded() override;
  void Resized() override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  void PaintTrench(TCanvas& c, const TSliderLayout& l);
  void PaintTicks(TCanvas& c, const TSliderLayout& l);
  void PaintCaption(TCanvas& c, const TSliderLayout& l);
  void PaintButtonImage(const TSliderLayout& l);
  void MoveButton();
  void ApplySizeRule();
  // In selector mode: the value onto its nearest detent.
  void SnapToDetent();
  void Follow(double v, bool press);
  void UserChanged();
  void DragTick();

  TPotiModel FModel;
  bool FCaptEna = false;
  QString FCaption;
  TColor FCaptColor = clBlack;
  int FCaptOffset = 0;
  TAlignment FAlignment = taCenter;
  bool FSelector = false;
  int FTrenchWidth = 2;
  int FPosition = 0;
  int FDragDelay = 0;
  TButtonDir FButtonDir = btLengthWise;
  TButtonStyle FBtnStyle = bsAutoDetect;
  int FButtonSize = 10;
  bool FScalaShow = true;
  int FScalaPart = 10;
  TColor FScalaColor = clRed;
  TColor FButtonColor = clLime;
  TColor FTrenchColor = clOlive;
  TPanelBevel FTrenchStyle = bvLowered;
  TOrientation FOrientation = orHorizontal;

  TKnobSprite FButton;
  bool FTracking = false;
  bool FChanged = false;
  bool FApplyingSize = false;
  double FDragTarget = 0;
  TTickSubscription FDragTicker;
  TWheelNotches FWheel;
};

}  // namespace Veltor
