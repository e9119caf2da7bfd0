#include "misc/rollbar.h"

#include <QMenu>

#include <algorithm>

namespace Veltor {

namespace {

constexpr int kDefaultWidth = 130;
constexpr int kDefaultHeight = 150;
constexpr int kMinWidth = 60;
constexpr int kPanelFontSize = 9;
constexpr int kButtonFontSize = 8;
// From this caption height on the caption and the buttons are bold.
constexpr int kBoldFrom = 16;
// The menu opens this far below the caption bar.
constexpr int kMenuDrop = 4;
constexpr int kTickMs = 55;

}  // namespace

TRollBar::TRollBar(QWidget* parent) : TPanel(parent) {
  TPanel::SetCaption(QString());
  EditFont([](TFont& f) {
    f.Name = QStringLiteral("Arial");
    f.SetSize(kPanelFontSize);
  });
  FClose = MakeButton(QStringLiteral("X"), QStringLiteral("Close"));
  FRollDown = MakeButton(QStringLiteral("D"), QStringLiteral("Roll\nDown"));
  FRollUp = MakeButton(QStringLiteral("U"), QStringLiteral("Roll\nUp"));
  FMenu = MakeButton(QStringLiteral("M"), QStringLiteral("Menu"));
  connect(FClose, &TSpeedButton::OnClick, this, [this] { CloseClicked(); });
  connect(FRollDown, &TSpeedButton::OnClick, this, [this] { ButtonRoll(); });
  connect(FRollUp, &TSpeedButton::OnClick, this, [this] { ButtonRoll(); });
  connect(FMenu, &TSpeedButton::OnClick, this, [this] { MenuClicked(); });
  FRollDown->hide();
  FMenu->hide();
  resize(kDefaultWidth, kDefaultHeight);
  PlaceButtons();
}

TSpeedButton* TRollBar::MakeButton(const QString& caption, const QString& hint) {
  auto* b = new TSpeedButton(this);
  b->SetCaption(caption);
  b->SetHint(hint);
  b->SetShowHint(true);
  TFont f = b->Font();
  f.Name = QStringLiteral("Arial");
  f.SetSize(kButtonFontSize);
  f.Style = fsBold;
  f.Color = clBlue;
  b->SetFont(f);
  return b;
}

int TRollBar::RollStep(trRollSpeed speed) {
  switch (speed) {
    case trFast: return 50;
    case trMedium: return 25;
    case trSlow: return 10;
    case trImmediate: break;
  }
  return 0;
}

TRollBarLayout TRollBar::BarLayout() const {
  return RollBarLayout(Width(), Look(), FCapHeight, PopupMenuObject() != nullptr);
}

// ---------------------------------------------------------------- properties

void TRollBar::SetCanClose(bool v) {
  FCanClose = v;
  FClose->setVisible(v);
}

void TRollBar::SetCanRoll(bool v) {
  FCanRoll = v;
  FRollUp->SetEnabled(v);
  FRollDown->SetEnabled(v);
}

void TRollBar::SetDown(bool v) {
  if (v == FDown) return;
  if (!FShown) {
    FDown = v;
    return;
  }
  if (v)
    RollDown();
  else
    RollUp();
}

void TRollBar::SetCapHeight(int v) {
  v = std::clamp(v, kMinCapHeight, kMaxCapHeight);
  if (v == FCapHeight) return;
  FCapHeight = v;
  const bool bold = v >= kBoldFrom;
  EditFont([v, bold](TFont& f) {
    f.Height = v;
    f.Style = bold ? TFontStyles(fsBold) : TFontStyles();
  });
  ApplyButtonFont();
  PlaceButtons();
  const int collapsed = BarLayout().Collapsed;
  FHeightMax = std::max(FHeightMax, collapsed);
  if (!Rolling()) SetHeight(FDown ? std::max(Height(), collapsed) : collapsed);
  Invalidate();
}

void TRollBar::ApplyButtonFont() {
  const bool bold = FCapHeight >= kBoldFrom;
  for (TSpeedButton* b : {FClose, FRollDown, FRollUp, FMenu}) {
    TFont f = b->Font();
    f.Height = FCapHeight - 2;
    f.Style = bold ? TFontStyles(fsBold) : TFontStyles();
    b->SetFont(f);
  }
}

void TRollBar::SetHeightMax(int v) {
  FHeightMax = std::max(v, BarLayout().Collapsed);
  if (FDown && !Rolling()) SetHeight(FHeightMax);
}

// ---------------------------------------------------------------- geometry

void TRollBar::PlaceButtons() {
  const TRollBarLayout l = BarLayout();
  FClose->SetBounds(l.Close.Left, l.Close.Top, l.ButtonSize, l.ButtonSize);
  FMenu->SetBounds(l.Menu.Left, l.Menu.Top, l.ButtonSize, l.ButtonSize);
  FRollUp->SetBounds(l.Roll.Left, l.Roll.Top, l.ButtonSize, l.ButtonSize);
  FRollDown->SetBounds(l.Roll.Left, l.Roll.Top, l.ButtonSize, l.ButtonSize);
}

void TRollBar::UpdateMenuButton() { FMenu->setVisible(PopupMenuObject() != nullptr); }

void TRollBar::Resized() {
  TPanel::Resized();
  const int collapsed = BarLayout().Collapsed;
  if (Width() < kMinWidth || Height() < collapsed) {
    resize(std::max(Width(), kMinWidth), std::max(Height(), collapsed));
    return;
  }
  if (FDown && !Rolling() && (ComponentState() & csDesigning)) FHeightMax = Height();
  FHeightMax = std::max(FHeightMax, collapsed);
  PlaceButtons();
}

void TRollBar::showEvent(QShowEvent* e) {
  TPanel::showEvent(e);
  UpdateMenuButton();
  if (FShown) return;
  FShown = true;
  // A bar stored rolled up opens rolled up.
  if (!FDown) {
    FSteps.clear();
    FRollingDown = false;
    FinishRoll();
  }
}

// ---------------------------------------------------------------- painting

void TRollBar::Paint() {
  TPanel::Paint();
  const TRollBarLayout l = BarLayout();
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColCaptBack;
  c.FillRect(l.Caption);
  c.Font = Font();
  c.Font.Color = FColCaption;
  c.Brush.Style = bsClear;
  c.TextRect(l.Caption, l.Text.X, l.Text.Y, FCaption);
}

// ---------------------------------------------------------------- rolling

void TRollBar::RollUp() {
  FDown = false;
  StartRoll(RollUpHeights(Height(), BarLayout().Collapsed, RollStep(FRollSpeed)), false);
}

void TRollBar::RollDown() { StartRoll(RollDownHeights(Height(), FHeightMax, RollStep(FRollSpeed)), true); }

void TRollBar::StartRoll(std::vector<int> heights, bool down) {
  FSteps = std::move(heights);
  FRollingDown = down;
  FStep = 0;
  if (FSteps.size() <= 1) return FinishRoll();
  SetHeight(FSteps[FStep++]);
  if (!FRoller) FRoller = TTickSubscription::Ticker([this] { RollTick(); });
  FRoller.SetInterval(kTickMs);
}

void TRollBar::RollTick() {
  if (FStep + 1 >= FSteps.size()) return FinishRoll();
  SetHeight(FSteps[FStep++]);
  if (isVisible()) Repaint();
}

void TRollBar::FinishRoll() {
  FSteps.clear();
  FRoller.Reset();
  FRollUp->setVisible(FRollingDown);
  FRollDown->setVisible(!FRollingDown);
  if (FRollingDown) FDown = true;
  SetHeight(FDown ? FHeightMax : BarLayout().Collapsed);
  Invalidate();
  if (FFromButton) {
    FFromButton = false;
    emit OnUpDown(this);
  }
}

// ---------------------------------------------------------------- buttons

void TRollBar::ButtonRoll() {
  FFromButton = true;
  if (FDown)
    RollUp();
  else
    RollDown();
}

void TRollBar::CloseClicked() {
  hide();
  emit OnClose(this);
}

void TRollBar::MenuClicked() {
  QMenu* menu = PopupMenuObject();
  if (!menu) return;
  const TRollBarLayout l = BarLayout();
  menu->popup(mapToGlobal(QPoint(FMenu->x(), l.Caption.Bottom + kMenuDrop)));
}

// ---------------------------------------------------------------- dragging

void TRollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FCanMove && Button == mbLeft && BarLayout().Caption.Contains(X, Y)) {
    FDragging = true;
    FDragPoint = mapToParent(QPoint(X, Y));
  }
  TPanel::MouseDown(Button, Shift, X, Y);
}

void TRollBar::MouseMove(TShiftState Shift, int X, int Y) {
  if (FDragging) {
    const QPoint p = mapToParent(QPoint(X, Y));
    move(pos() + p - FDragPoint);
    FDragPoint = p;
  }
  TPanel::MouseMove(Shift, X, Y);
}

void TRollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FDragging = false;
  TPanel::MouseUp(Button, Shift, X, Y);
}

}  // namespace Veltor
