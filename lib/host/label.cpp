#include "host/label.h"

#include <QEvent>
#include <QKeySequence>
#include <QShortcutEvent>

namespace Veltor {

namespace {

// The room a label keeps around its text when it sizes itself.
constexpr int kEmptyLabelHeight = 1;

}  // namespace

int LabelTextFlags(TAlignment alignment, TTextLayout layout, bool wordWrap, bool showAccelChar) {
  int flags = 0;
  switch (alignment) {
    case taLeftJustify: flags |= Qt::AlignLeft; break;
    case taRightJustify: flags |= Qt::AlignRight; break;
    case taCenter: flags |= Qt::AlignHCenter; break;
  }
  switch (layout) {
    case tlTop: flags |= Qt::AlignTop; break;
    case tlCenter: flags |= Qt::AlignVCenter; break;
    case tlBottom: flags |= Qt::AlignBottom; break;
  }
  if (wordWrap) flags |= Qt::TextWordWrap;
  if (showAccelChar) flags |= Qt::TextShowMnemonic;
  return flags;
}

TCustomLabel::TCustomLabel(QWidget* parent) : TGraphicControl(parent) {
  resize(65, 17);
  SetParentColor(true);
  SetParentFont(true);
}

int TCustomLabel::TextFlags() const { return LabelTextFlags(FAlignment, FLayout, FWordWrap, FShowAccelChar); }

void TCustomLabel::SetCaption(const QString& v) {
  if (!Assign(FCaption, v)) return;
  UpdateShortcut();
  AdjustBounds();
}

void TCustomLabel::SetAutoSize(bool v) {
  if (Assign(FAutoSize, v)) AdjustBounds();
}

void TCustomLabel::SetShowAccelChar(bool v) {
  if (!Assign(FShowAccelChar, v)) return;
  UpdateShortcut();
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool v) {
  if (Assign(FWordWrap, v)) AdjustBounds();
}

void TCustomLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || Loading()) return;
  TCanvas& canvas = Canvas();
  canvas.Font = Font();
  // An empty caption still measures one line high.
  const QString text = FCaption.isEmpty() ? QStringLiteral(" ") : FCaption;
  const int wrapWidth = FWordWrap ? Width() : 1 << 20;
  const TRect b = canvas.TextBounds(TRect(0, 0, wrapWidth, 1 << 20), text,
                                    LabelTextFlags(taLeftJustify, tlTop, FWordWrap, FShowAccelChar));
  const int w = FWordWrap ? Width() : b.Width();
  const int h = std::max(kEmptyLabelHeight, b.Height());
  // A right-aligned label keeps its right edge.
  const int left = FAlignment == taRightJustify && !FWordWrap ? Left() + Width() - w : Left();
  SetBounds(left, Top(), w, h);
}

QWidget* TCustomLabel::FocusControlWidget() const {
  if (FFocusControlName.isEmpty()) return nullptr;
  return window()->findChild<QWidget*>(FFocusControlName);
}

void TCustomLabel::UpdateShortcut() {
  if (FShortcutId != 0) {
    releaseShortcut(FShortcutId);
    FShortcutId = 0;
  }
  if (!FShowAccelChar) return;
  const QKeySequence key = QKeySequence::mnemonic(FCaption);
  if (!key.isEmpty()) FShortcutId = grabShortcut(key, Qt::WindowShortcut);
}

bool TCustomLabel::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->shortcutId() == FShortcutId) {
    if (QWidget* target = FocusControlWidget()) target->setFocus(Qt::ShortcutFocusReason);
    return true;
  }
  return TGraphicControl::event(e);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!Transparent()) {
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(ClientRect());
  }
  canvas.Brush.Style = bsClear;
  canvas.Font = Font();
  const TRect r = ClientRect();
  if (!isEnabled()) {
    // The engraved look of disabled text.
    canvas.Font.Color = clBtnHighlight;
    canvas.DrawText(TRect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1), FCaption, TextFlags());
    canvas.Font.Color = clBtnShadow;
  }
  canvas.DrawText(r, FCaption, TextFlags());
}

}  // namespace Veltor
