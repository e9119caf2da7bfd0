#include "buttons/textspin.h"

#include "foundation/drawhelpers.h"
#include "foundation/frame3d.h"
#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "foundation/tickregistry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace {

// The first repeat waits a little longer, so that a click makes one step.
constexpr int kFirstRepeatMs = 500;
constexpr int kMinRepeatMs = 50;
constexpr int kRepeatModulus = 2001;

// Font sizes stay within these, whatever the text area.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 500;
// Left aligned text starts two pixels in, right aligned text ends one in.
constexpr int kTextMargin = 3;

int Inset(const TRect& inner) { return int(RoundHalfEven(0.04 * inner.Height())); }

// The font's height with a tenth to spare.
int PaddedHeight(const TFont& font) { return int(RoundHalfEven(std::abs(font.Height) * 1.1)); }

// A positive (cell) height would make sizes count backwards; work in points.
void UseCharacterHeight(TFont& font) {
  if (font.Height > 0) font.SetSize(std::max(kMinFontSize, std::abs(font.Size())));
}

void GrowFont(TFont& font) { font.SetSize(font.Size() + 1); }
void ShrinkFont(TFont& font) { font.SetSize(font.Size() - 1); }
bool CanGrow(const TFont& font) { return font.Size() < kMaxFontSize; }
bool CanShrink(const TFont& font) { return font.Size() > kMinFontSize; }

void FillTriangle(TCanvas& canvas, const TPoint (&points)[3]) {
  canvas.Pen = TPen();
  canvas.Pen.Color = clBlack;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = clBlack;
  canvas.Polygon(points, 3);
}

// One-pixel lines for outlines that are not a closed frame.
void HLine(TCanvas& canvas, int x1, int x2, int y, TColor colour) {
  canvas.Brush.Color = colour;
  canvas.FillRect(TRect(x1, y, x2, y + 1));
}

void VLine(TCanvas& canvas, int x, int y1, int y2, TColor colour) {
  canvas.Brush.Color = colour;
  canvas.FillRect(TRect(x, y1, x + 1, y2));
}

// A button's black frame runs on the edge pixels of its outer rectangle;
// the face lies a pixel inside.
void PlaceButton(const TRect& outer, TRect* frame, TRect* face) {
  *frame = TRect(outer.Left, outer.Top, outer.Right + 1, outer.Bottom + 1);
  *face = outer;
  face->Shrink(1);
}

}  // namespace

TSpinLayout TextSpinLayout(const TRect& inner) {
  const int a = Inset(inner);
  TRect t = inner;
  t.Shrink(a);
  const int hh = t.Height() / 2;
  const int b = t.Right - (3 * hh) / 2;
  TSpinLayout l;
  PlaceButton(TRect(b, t.Top, t.Right, t.Top + hh), &l.UpFrame, &l.UpBtn);
  PlaceButton(TRect(b, t.Top + hh, t.Right, t.Bottom), &l.DownFrame, &l.DownBtn);
  l.TextOutline = TRect(t.Left, t.Top, b - 3 * a, t.Bottom);
  l.TextArea = l.TextOutline;
  if (!l.TextArea.IsEmpty()) l.TextArea.Shrink(1);
  return l;
}

TSpinLayout SerieSpinLayout(const TRect& inner, bool bordLeft, bool bordRight, int width) {
  const int a = Inset(inner);
  const int q = std::min(inner.Height() / 4, 15);
  const int left = inner.Left + (bordLeft ? 1 : 0);
  const int right = inner.Right - (bordRight ? 2 : 0);
  TSpinLayout l;
  PlaceButton(TRect(left, inner.Top, right, inner.Top + q), &l.UpFrame, &l.UpBtn);
  // One pixel up, so that the frame drawn around it ends inside the rings.
  PlaceButton(TRect(left, inner.Bottom - q - 1, right, inner.Bottom - 1), &l.DownFrame, &l.DownBtn);
  TRect t(inner.Left, inner.Top + q, inner.Right, inner.Bottom - q - 1);
  t.Shrink(a);
  // The outline is a line above and below the text and one along each side
  // with rings; on a side without, the text runs out to the control's edge.
  if (!bordLeft) t.Left = 0;
  if (!bordRight) t.Right = width;
  l.TextOutline = t;
  l.TextArea = t;
  if (!t.IsEmpty()) {
    l.TextArea = TRect(t.Left + (bordLeft ? 1 : 0), t.Top + 1, t.Right - (bordRight ? 1 : 0), t.Bottom - 1);
  }
  return l;
}

// ---------------------------------------------------------------- TCustomSpin

TCustomSpin::TCustomSpin(QWidget* parent) : TRahmen(parent) {
  SetBordWidth(1);
  SetBevWidth(1);
  FRepeatTicker = TTickSubscription::Ticker([this] { RepeatTick(); });
}

TCustomSpin::~TCustomSpin() = default;

void TCustomSpin::SetColTxtBack(TColor v) {
  Assign(FColTxtBack, v, [this] { DrawValue(); });
}

void TCustomSpin::SetPosText(const QStringList& v) {
  Assign(FPosText, v, [this] {
    if (!Loading()) KeepPositionInList();
    Invalidate();
  });
}

void TCustomSpin::Loaded() {
  TRahmen::Loaded();
  KeepPositionInList();
}

// A shorter list must not leave the position pointing past its end, where no
// step could bring it back.
void TCustomSpin::KeepPositionInList() {
  if (FPosition >= Count()) FPosition = std::max(0, Count() - 1);
}

void TCustomSpin::SetPosition(int v) {
  const int count = Count();
  if (count == 0) {
    v = 0;
  } else if (FLimiter) {
    v = std::clamp(v, 0, count - 1);
  } else if (v >= count) {
    v = 0;
  } else if (v < 0) {
    v = count - 1;
  }
  Assign(FPosition, v, [this] { DrawValue(); });
}

QString TCustomSpin::CurrentEntry() const {
  return FPosition >= 0 && FPosition < Count() ? FPosText.at(FPosition) : QString();
}

int TCustomSpin::PosInteger() const {
  const QString e = CurrentEntry();
  return e.isEmpty() ? 0 : ItemInt(e);
}

TColor TCustomSpin::PosColor() const {
  const QString e = CurrentEntry();
  return e.isEmpty() ? TColor(0) : ItemColor(e);
}

QString TCustomSpin::PosString() const { return ItemText(CurrentEntry()); }

double TCustomSpin::PosFloat() const {
  const QString e = CurrentEntry();
  return e.isEmpty() ? 0.0 : ItemFloat(e);
}

template <typename Match>
void TCustomSpin::SelectEntry(Match matches) {
  if (Loading()) return;
  for (int i = 0; i < Count(); ++i) {
    if (matches(FPosText.at(i))) {
      SetPosition(i);
      break;
    }
  }
  DrawValue();
}

void TCustomSpin::SetPosInteger(int v) {
  SelectEntry([v](const QString& e) { return !e.isEmpty() && ItemInt(e) == v; });
}

void TCustomSpin::SetPosColor(TColor v) {
  SelectEntry([v](const QString& e) { return !e.isEmpty() && ItemColor(e) == v; });
}

void TCustomSpin::SetPosString(const QString& v) {
  SelectEntry([&v](const QString& e) { return ItemText(e) == v; });
}

void TCustomSpin::SetPosFloat(double v) {
  SelectEntry([v](const QString& e) { return !e.isEmpty() && ItemFloat(e) == v; });
}

void TCustomSpin::SetTextAdjust(TTextStyle v) {
  Assign(FTextAdjust, v, [this] { DrawValue(); });
}

bool TCustomSpin::Step(bool up) {
  if (Count() == 0) return false;
  const int v = FPosition + (up ? 1 : -1);
  if (FLimiter && (v < 0 || v >= Count())) return false;
  SetPosition(v);
  return true;
}

// ---------------------------------------------------------------- painting

void TCustomSpin::Paint() {
  TRahmen::Paint();
  FSpinPainted = true;
  TCanvas& c = Canvas();
  c.Font = Font();

  FLayout = Layout(InnerRect());
  DrawButton(c, FLayout.UpFrame, FLayout.UpBtn, FUpPressed);
  DrawButton(c, FLayout.DownFrame, FLayout.DownBtn, FDownPressed);
  DrawArrows(c);
  DrawTextOutline(c, FLayout);
  if (FontAutom()) {
    FitTextFont(c.Font, FLayout.TextArea.Height());
    FitWidestEntry(c);
  }
  FTextTop = TextTopFor(FLayout.TextArea, c.Font);
  DrawValue();
}

// A font fitted to the height alone can make an entry wider than the area,
// which would then show only its middle; shrink until the widest one fits,
// so that the size does not change from entry to entry.
void TCustomSpin::FitWidestEntry(TCanvas& canvas) const {
  const int room = FLayout.TextArea.Width() - kTextMargin;
  auto widest = [&] {
    int w = 0;
    for (const QString& e : FPosText) w = std::max(w, canvas.TextWidth(ItemText(e)));
    return w;
  };
  while (widest() > room && CanShrink(canvas.Font)) ShrinkFont(canvas.Font);
}

// A black frame around the button, then its face outlined inside it.
void TCustomSpin::DrawButton(TCanvas& canvas, const TRect& frame, const TRect& face, bool pressed) const {
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = clBlack;
  canvas.FrameRect(frame);
  DrawRaised(canvas, face);
  if (pressed) DrawSunken(canvas, face);
}

void TCustomSpin::DrawValue() {
  if (!FSpinPainted) return;
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColTxtBack;
  const TRect& area = FLayout.TextArea;
  c.FillRect(area);
  if (FPosition >= Count()) return;
  const QString text = PosString();
  const int width = c.TextWidth(text);
  int x = area.Left + area.Width() / 2 - width / 2;
  if (FTextAdjust == ttLeft) x = area.Left + 2;
  if (FTextAdjust == ttRight) x = area.Right - width - 1;
  c.TextRect(area, x, FTextTop, text);
}

// ---------------------------------------------------------------- mouse and repeat

void TCustomSpin::MouseDown(TMouseButton, TShiftState, int X, int Y) {
  FStepsMade = false;
  if (FLayout.UpBtn.Contains(X, Y)) {
    FUpPressed = true;
    DrawSunken(Canvas(), FLayout.UpBtn);
    StepByButton(true);
  } else if (FLayout.DownBtn.Contains(X, Y)) {
    FDownPressed = true;
    DrawSunken(Canvas(), FLayout.DownBtn);
    StepByButton(false);
  }
}

void TCustomSpin::StepByButton(bool up) {
  if (!Step(up)) return;
  FStepsMade = true;
  emit onChanging(this);
  if (FRepSpeed >= kMinRepeatMs) FRepeatTicker.SetInterval(kFirstRepeatMs);
}

void TCustomSpin::RepeatTick() {
  if (!FSpinPainted || FRepSpeed < kMinRepeatMs) return;
  bool stepped = false;
  if (FUpPressed) {
    stepped = Step(true);
  } else if (FDownPressed) {
    stepped = Step(false);
  }
  FRepeatTicker.SetInterval(FRepSpeed % kRepeatModulus);
  if (!stepped) return;
  FStepsMade = true;
  emit onChanging(this);
}

void TCustomSpin::MouseUp(TMouseButton, TShiftState, int, int) {
  FRepeatTicker.Stop();
  if (FUpPressed) {
    FUpPressed = false;
    DrawRaised(Canvas(), FLayout.UpBtn);
  }
  if (FDownPressed) {
    FDownPressed = false;
    DrawRaised(Canvas(), FLayout.DownBtn);
  }
  if (!FStepsMade) return;
  // Once per press, also when several buttons are released.
  FStepsMade = false;
  emit onChanged(this);
}

// ---------------------------------------------------------------- TTextSpin

TTextSpin::TTextSpin(QWidget* parent) : TCustomSpin(parent) {
  resize(100, 30);
  SetColTxtBack(clBlack);
  SetFontColor(clYellow);
  SetPosText({QStringLiteral("1 usec | 23 | 1e-6"), QStringLiteral("10 usec | 100 | 1e-5"),
              QStringLiteral("100 usec | 56 | 1e-4"), QStringLiteral("1 msec | 345 | 0.001"),
              QStringLiteral("10 msec | clGreen | 0.01"), QStringLiteral("100 msec | clRed | 0.1")});
}

TSpinLayout TTextSpin::Layout(const TRect& inner) const { return TextSpinLayout(inner); }

void TTextSpin::DrawArrows(TCanvas& canvas) const {
  // Both triangles take their measures from the up button, so they match
  // even when the down button is a pixel taller.
  const TRect u = UpButton();
  const TRect d = DownButton();
  const int q = u.Width() / 4;
  const int h = u.Width() / 2;
  const int e = u.Height() / 5;
  FillTriangle(canvas, {{u.Left + q, u.Bottom - e}, {u.Right - q, u.Bottom - e}, {u.Left + h, u.Top + e}});
  FillTriangle(canvas, {{d.Left + q, d.Top + e}, {d.Right - q, d.Top + e}, {d.Left + h, d.Bottom - e}});
}

void TTextSpin::DrawTextOutline(TCanvas& canvas, const TSpinLayout& l) const {
  TRect outline = l.TextOutline;  // the frame helper moves the edges it is given
  DrawFrame3D(canvas, outline, clGray, clWhite);
}

void TTextSpin::FitTextFont(TFont& font, int height) const {
  UseCharacterHeight(font);
  if (height < std::abs(font.Height)) {
    while (height < PaddedHeight(font) && CanShrink(font)) ShrinkFont(font);
  } else {
    while (PaddedHeight(font) < height && CanGrow(font)) GrowFont(font);
  }
}

int TTextSpin::TextTopFor(const TRect& area, const TFont& font) const {
  return area.Top + area.Height() / 2 - (2 * std::abs(font.Height)) / 3;
}

// ---------------------------------------------------------------- TSerieSpin

TSerieSpin::TSerieSpin(QWidget* parent) : TCustomSpin(parent) {
  resize(25, 46);
  SetColTxtBack(clMaroon);
  TFont f = Font();
  f.Color = clLime;
  f.Style |= fsBold;
  SetFont(f);
  SetPosText({QStringLiteral("1 | 23 | 1e-6"), QStringLiteral("10 | 100 | 1e-5"), QStringLiteral("100 | 56 | 1e-4")});
}

int TSerieSpin::MinHeight() const {
  int h = 35;
  if (BevelIn() != bvNone) h += 2 * BevWidth();
  if (BevelOut() != bvNone) h += 2 * BevWidth();
  return h;
}

void TSerieSpin::Resized() {
  if (Height() < MinHeight()) SetHeight(MinHeight());
}

TSpinLayout TSerieSpin::Layout(const TRect& inner) const {
  return SerieSpinLayout(inner, BordLeft(), BordRight(), Width());
}

void TSerieSpin::DrawArrows(TCanvas& canvas) const {
  const TRect u = UpButton();
  const TRect d = DownButton();
  const int cu = u.Left + u.Width() / 2;
  const int cd = d.Left + d.Width() / 2;
  const int hh = u.Height() / 2;
  const int e = u.Height() / 5;
  FillTriangle(canvas, {{cu + hh, u.Bottom - e}, {cu - hh, u.Bottom - e}, {cu, u.Top + e}});
  FillTriangle(canvas, {{cd + hh, d.Top + e}, {cd - hh, d.Top + e}, {cd, d.Bottom - e}});
}

// Only a sunken line between text and buttons, and at a side with rings.
void TSerieSpin::DrawTextOutline(TCanvas& canvas, const TSpinLayout& l) const {
  const TRect& area = l.TextOutline;
  if (area.IsEmpty()) return;
  const TBrush saved = canvas.Brush;
  canvas.Brush.Style = bsSolid;
  if (BordLeft()) VLine(canvas, area.Left, area.Top, area.Bottom, clGray);
  HLine(canvas, area.Left, area.Right, area.Top, clGray);
  if (BordRight()) VLine(canvas, area.Right - 1, area.Top, area.Bottom, clWhite);
  HLine(canvas, area.Left, area.Right, area.Bottom - 1, clWhite);
  canvas.Brush = saved;
}

void TSerieSpin::FitTextFont(TFont& font, int height) const {
  UseCharacterHeight(font);
  while (height > PaddedHeight(font) && CanGrow(font)) GrowFont(font);
  while (height < PaddedHeight(font) && CanShrink(font)) ShrinkFont(font);
}

int TSerieSpin::TextTopFor(const TRect& area, const TFont& font) const {
  return area.Top + 1 + area.Height() / 2 - (2 * std::abs(font.Height)) / 3;
}

}  // namespace Veltor
