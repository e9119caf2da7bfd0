#include "misc/alphabar.h"

#include "host/designfont.h"

#include <algorithm>

namespace Veltor {

namespace {

constexpr int kDefaultWidth = 448;
constexpr int kDefaultHeight = 22;
constexpr int kMaxMetric = 65535;
// Latching buttons form this group.
constexpr int kGroup = 1;

}  // namespace

TAlphaBar::TAlphaBar(QWidget* parent) : TPanel(parent) {
  TPanel::SetCaption(QString());
  FButtonFont = Font();
  resize(kDefaultWidth, kDefaultHeight);
}

// ---------------------------------------------------------------- properties

void TAlphaBar::SetMetric(int& field, int v) {
  v = std::clamp(v, 0, kMaxMetric);
  if (v == field) return;
  field = v;
  Rebuild();
}

void TAlphaBar::SetSpacing(int& field, int v) {
  if (v == field) return;
  field = v;
  Rebuild();
}

void TAlphaBar::SetAlphaButtons(const QStringList& v) {
  FLines = v;
  // A stored form keeps its stored active character; Loaded builds.
  if (ComponentState() & csLoading) return;
  FActive = QChar();
  Rebuild();
  emit OnValueChange(this);
}

void TAlphaBar::SetAllowAllUp(bool v) {
  if (v == FAllowAllUp) return;
  FAllowAllUp = v;
  ApplyGroup();
}

void TAlphaBar::SetRastButtons(bool v) {
  if (v == FRastButtons) return;
  FRastButtons = v;
  ApplyGroup();
}

void TAlphaBar::SetButtonFont(const TFont& f) {
  FButtonFont = f;
  for (TSpeedButton* b : FButtons) b->SetFont(f);
}

QFont TAlphaBar::DesignButtonFont() const { return DesignerFont(FButtonFont); }

void TAlphaBar::SetDesignButtonFont(const QFont& f) { SetButtonFont(MergeDesignerFont(FButtonFont, f)); }

TSpeedButton* TAlphaBar::ButtonOf(QChar c) const {
  for (auto it = FButtons.rbegin(); it != FButtons.rend(); ++it) {
    if ((*it)->Tag() == c.unicode()) return *it;
  }
  return nullptr;
}

void TAlphaBar::SetActiveButton(QChar v) {
  if (FRastButtons) ReleaseDown();
  FActive = v;
  if (FRastButtons && !v.isNull()) {
    if (TSpeedButton* b = ButtonOf(v)) b->SetDown(true);
  }
  emit OnValueChange(this);
}

// ---------------------------------------------------------------- buttons

void TAlphaBar::Paint() { PaintPanelFrame(Canvas(), Width(), Height(), Look(), Color()); }

void TAlphaBar::Loaded() {
  TPanel::Loaded();
  Rebuild();
}

void TAlphaBar::Resized() {
  TPanel::Resized();
  Rebuild();
}

void TAlphaBar::Rebuild() {
  if (ComponentState() & csLoading) return;
  // A button may be rebuilt away from inside its own click: it goes later.
  for (TSpeedButton* b : FButtons) {
    b->hide();
    b->SetGroupIndex(0);
    b->disconnect(this);
    b->deleteLater();
  }
  FButtons.clear();
  for (const TAlphaKey& k : AlphaBarLayout(FLines, FMetrics)) {
    auto* b = new TSpeedButton(this);
    b->SetBounds(k.Bounds.Left, k.Bounds.Top, k.Bounds.Width(), k.Bounds.Height());
    b->SetCaption(QString(k.Char));
    b->SetTag(k.Char.unicode());
    b->SetFont(FButtonFont);
    connect(b, &TSpeedButton::OnClick, this, [this, b] { ButtonClicked(b); });
    b->show();
    FButtons.append(b);
  }
  ApplyGroup();
}

void TAlphaBar::ReleaseDown() {
  for (TSpeedButton* b : FButtons) {
    if (!b->Down()) continue;
    b->SetAllowAllUp(true);
    b->SetDown(false);
    b->SetAllowAllUp(FAllowAllUp);
  }
}

void TAlphaBar::ApplyGroup() {
  for (TSpeedButton* b : FButtons) {
    b->SetAllowAllUp(true);
    b->SetDown(false);
    b->SetGroupIndex(FRastButtons ? kGroup : 0);
    b->SetAllowAllUp(true);
  }
  for (TSpeedButton* b : FButtons) b->SetAllowAllUp(FAllowAllUp);
  if (FRastButtons && !FActive.isNull()) {
    if (TSpeedButton* b = ButtonOf(FActive)) b->SetDown(true);
  }
}

void TAlphaBar::ButtonClicked(TSpeedButton* b) {
  const QChar c(char16_t(b->Tag()));
  FActive = (FRastButtons && !b->Down()) ? QChar() : c;
  emit OnValueChange(this);
}

}  // namespace Veltor
