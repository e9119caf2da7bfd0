#pragma once
// TRollBar: a panel with a small caption bar of its own, like a miniature
// window inside a form. The bar carries a close button, a menu button and a
// roll button; rolling up shrinks the panel to its caption bar (step by step
// on the library's tick, or at once), rolling down restores it, and the
// panel can be dragged by its caption.

#include "foundation/panel.h"
#include "foundation/speedbutton.h"
#include "foundation/tickregistry.h"
#include "misc/misctypes.h"
#include "misc/rollbar_layout.h"

namespace Veltor {

class TRollBar : public TPanel {
  Q_OBJECT
  Q_PROPERTY(bool CanClose READ CanClose WRITE SetCanClose)
  Q_PROPERTY(bool CanRoll READ CanRoll WRITE SetCanRoll)
  Q_PROPERTY(bool CanMove READ CanMove WRITE SetCanMove)
  Q_PROPERTY(Veltor::TColor ColCaptBack READ ColCaptBack WRITE SetColCaptBack)
  Q_PROPERTY(Veltor::TColor ColCaption READ ColCaption WRITE SetColCaption)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(int CapHeight READ CapHeight WRITE SetCapHeight)
  Q_PROPERTY(int HeightMax READ HeightMax WRITE SetHeightMax)
  Q_PROPERTY(Veltor::MiscEnums::trRollSpeed RollSpeed READ RollSpeed WRITE SetRollSpeed)

 public:
  explicit TRollBar(QWidget* parent = nullptr);

  bool CanClose() const { return FCanClose; }
  void SetCanClose(bool v);
  bool CanRoll() const { return FCanRoll; }
  void SetCanRoll(bool v);
  // Dragging the panel by its caption bar.
  bool CanMove() const { return FCanMove; }
  void SetCanMove(bool v) { FCanMove = v; }
  TColor ColCaptBack() const { return FColCaptBack; }
  void SetColCaptBack(TColor v) { Assign(FColCaptBack, v); }
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor v) { Assign(FColCaption, v); }
  // Shown in the caption bar; the panel's own caption stays empty.
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v) { Assign(FCaption, v); }
  // Rolled down to HeightMax; false shows the caption bar only.
  bool Down() const { return FDown; }
  void SetDown(bool v);
  // 13..20; sets the size and font of the caption bar and its buttons.
  int CapHeight() const { return FCapHeight; }
  void SetCapHeight(int v);
  // The height rolled down; never less than the caption bar needs.
  int HeightMax() const { return FHeightMax; }
  void SetHeightMax(int v);
  trRollSpeed RollSpeed() const { return FRollSpeed; }
  void SetRollSpeed(trRollSpeed v) { FRollSpeed = v; }

  // Pixels per animation step of the speed: 0 rolls at once.
  static int RollStep(trRollSpeed speed);

  void RollUp();
  void RollDown();
  bool Rolling() const { return !FSteps.empty(); }

  TRollBarLayout BarLayout() const;
  TSpeedButton* CloseButton() const { return FClose; }
  TSpeedButton* MenuButton() const { return FMenu; }
  TSpeedButton* RollUpButton() const { return FRollUp; }
  TSpeedButton* RollDownButton() const { return FRollDown; }

 signals:
  void OnUpDown(QObject* Sender);
  void OnClose(QObject* Sender);

 protected:
  void Paint() override;
  void Resized() override;
  void showEvent(QShowEvent* e) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TSpeedButton* MakeButton(const QString& caption, const QString& hint);
  void PlaceButtons();
  void UpdateMenuButton();
  void ApplyButtonFont();
  void StartRoll(std::vector<int> heights, bool down);
  void RollTick();
  void FinishRoll();
  void ButtonRoll();
  void CloseClicked();
  void MenuClicked();

  bool FCanClose = true;
  bool FCanRoll = true;
  bool FCanMove = false;
  TColor FColCaptBack = clNavy;
  TColor FColCaption = clYellow;
  QString FCaption = QStringLiteral("RollBar");
  bool FDown = true;
  int FCapHeight = 18;
  int FHeightMax = 145;
  trRollSpeed FRollSpeed = trImmediate;

  TSpeedButton* FClose;
  TSpeedButton* FRollDown;
  TSpeedButton* FRollUp;
  TSpeedButton* FMenu;
  bool FShown = false;
  // The roll in progress: the heights still to come, and where it ends.
  std::vector<int> FSteps;
  size_t FStep = 0;
  bool FRollingDown = false;
  bool FFromButton = false;
  TTickSubscription FRoller;
  bool FDragging = false;
  QPoint FDragPoint;
};

}  // namespace Veltor
