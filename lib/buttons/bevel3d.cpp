#include "buttons/bevel3d.h"

#include "foundation/drawhelpers.h"
#include "foundation/frame3d.h"
#include "foundation/tickregistry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

TBevel3D::TBevel3D(QWidget* parent) : TRahmen(parent) {
  SetFontColor(clWhite);
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

TBevel3D::~TBevel3D() = default;

// ---------------------------------------------------------------- properties

void TBevel3D::SetCaption(const QString& v) { Assign(FCaption, v); }

void TBevel3D::SetCaption1(const QString& v) { Assign(FCaption1, v); }

void TBevel3D::SetColCaptBack(TColor v) {
  if (v == FColCaptBack) return;
  // A silver caption area fills the whole inner area, any other colour is
  // inset: crossing that line moves the area, so the whole control repaints.
  const bool insetChanges = (v == clSilver) != (FColCaptBack == clSilver);
  FColCaptBack = v;
  if (insetChanges) {
    Invalidate();
  } else {
    DrawCaption(true);
  }
}

void TBevel3D::SetColCaption(TColor v) {
  Assign(FColCaption, v, [this] { DrawCaption(true); });
}

void TBevel3D::SetColCaption1(TColor v) {
  Assign(FColCaption1, v, [this] { DrawCaption(true); });
}

void TBevel3D::SetCaptEnable(bool v) { Assign(FCaptEnable, v); }

void TBevel3D::SetCaptBevel(TPanelBevel v) { Assign(FCaptBevel, v); }

void TBevel3D::SetTextAdjust(TTextStyle v) { Assign(FTextAdjust, v); }

void TBevel3D::SetDown(bool v) {
  if (v == Down()) return;
  SetStatus(v);
  DrawCaption(true);
  NotifyGroup();
}

void TBevel3D::SetWordWrap(bool v) {
  if (v == FWordWrap) return;
  FWordWrap = v;
  if (v) SetFontAutom(false);
  Invalidate();
}

void TBevel3D::SetCaptBlink(bool v) {
  if (v == FCaptBlink) return;
  FCaptBlink = v;
  // Also brings back a caption that blinking left hidden.
  DrawCaption(true);
}

void TBevel3D::SetGroupIndex(int v) { FGroupIndex = std::clamp(v, 0, 255); }

// ---------------------------------------------------------------- painting

void TBevel3D::Paint() {
  TRahmen::Paint();
  // A fitted font is sized for a single line, so fitting wins over wrapping.
  if (FWordWrap && FontAutom()) FWordWrap = false;
  FCaptPainted = true;
  TCanvas& c = Canvas();
  c.Font = Font();

  const TRect inner = InnerRect();
  const int side = Width() > Height() ? inner.Height() : inner.Width();
  const int inset = int(std::nearbyint(0.04 * side));
  FCaptRect = inner;
  if (FColCaptBack != clSilver) FCaptRect.Shrink(inset);

  if (FCaptEnable) {
    TColor topLeft;
    TColor bottomRight;
    if (BevelColors(FCaptBevel, &topLeft, &bottomRight)) {
      DrawFrame3D(c, FCaptRect, topLeft, bottomRight);
      FCaptRect.Shrink(1);
    }
    if (FontAutom() && !FCaption.isEmpty()) FitFont(c, FCaptRect, FCaption);
    DrawCaption(true);
  }

  // The rings were painted released; a down button gets its pressed look
  // back. DrawPressed reports a different rectangle than the paint does.
  if (Status()) {
    const TRect painted = FInnerRect;
    DrawPressed(true);
    FInnerRect = painted;
  }
}

QString TBevel3D::ShownText() const { return Down() && !FCaption1.isEmpty() ? FCaption1 : FCaption; }

TColor TBevel3D::ShownColor() const { return Down() && !FCaption1.isEmpty() ? FColCaption1 : FColCaption; }

void TBevel3D::DrawCaption(bool show) {
  if (!FCaptEnable || !FCaptPainted) return;
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColCaptBack;
  c.FillRect(FCaptRect);
  if (!show) return;

  c.Font.Color = ShownColor();
  QString text = ShownText();
  if (!FWordWrap) {
    DrawCaptionLine(text, FCaptRect);
    return;
  }
  const int lines = WrapText(c, FCaptRect.Width(), text);
  if (lines <= 1) {
    DrawCaptionLine(text, FCaptRect);
    return;
  }
  const int lineHeight = FCaptRect.Height() / lines;
  const QChar lineBreak(13);
  QString rest = text;
  for (int i = 0; i < lines; ++i) {
    const int end = rest.indexOf(lineBreak);
    const QString line = end < 0 ? rest : rest.left(end);
    rest = end < 0 ? QString() : rest.mid(end + 1);
    const int top = FCaptRect.Top + i * lineHeight;
    DrawCaptionLine(line, TRect(FCaptRect.Left, top, FCaptRect.Right, top + lineHeight));
  }
}

void TBevel3D::DrawCaptionLine(const QString& text, const TRect& r) {
  TCanvas& c = Canvas();
  const int width = c.TextWidth(text);
  const int y = r.Top + r.Height() / 2 - (2 * std::abs(c.Font.Height)) / 3;
  int x = r.Left + r.Width() / 2 - width / 2;
  if (FTextAdjust == ttLeft) x = r.Left + 1;
  if (FTextAdjust == ttRight) x = r.Right - width - 1;
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColCaptBack;
  c.TextRect(r, x, y, text);
}

// ---------------------------------------------------------------- mouse and groups

void TBevel3D::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // The down button of a radio group stays down when clicked again, unless
  // the group may be left with none down.
  if (FGroupIndex != 0 && parentWidget() && !FAllowAllUp && Down()) return;
  TRahmen::MouseDown(Button, Shift, X, Y);
  DrawCaption(true);
  NotifyGroup();
}

void TBevel3D::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // Release first, so that a push button shows Caption again, not Caption1.
  TRahmen::MouseUp(Button, Shift, X, Y);
  DrawCaption(true);
}

void TBevel3D::NotifyGroup() {
  if (!Down() || FGroupIndex == 0 || !parentWidget()) return;
  Broadcast(parentWidget(), kGroupDownMessage, FGroupIndex, reinterpret_cast<qintptr>(this));
}

void TBevel3D::GroupButtonDown(const TMessage& m) {
  if (m.WParam != FGroupIndex || m.LParam == reinterpret_cast<qintptr>(this)) return;
  // The sender is looked up among the siblings, never taken on trust from
  // the message's number.
  const TBevel3D* sender = nullptr;
  if (QWidget* p = parentWidget()) {
    for (QObject* child : p->children()) {
      auto* b = qobject_cast<TBevel3D*>(child);
      if (b && reinterpret_cast<qintptr>(b) == m.LParam) {
        sender = b;
        break;
      }
    }
  }
  if (sender && sender->Down()) SetDown(false);
}

// ---------------------------------------------------------------- blinking

void TBevel3D::BlinkTick() {
  if (FCaptPainted && FCaptBlink) Perform(kBlinkMessage, BlinkState() ? 1 : 0);
}

void TBevel3D::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case kGroupDownMessage: GroupButtonDown(Message); break;
    case kBlinkMessage:
      if (!ShownText().isEmpty()) DrawCaption(Message.WParam != 0);
      break;
    default: TRahmen::WndProc(Message); break;
  }
}

}  // namespace Veltor
