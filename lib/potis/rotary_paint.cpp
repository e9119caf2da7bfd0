#include "potis/rotary_paint.h"

#include "foundation/drawhelpers.h"
#include "foundation/frame.h"
#include "foundation/frame3d.h"
#include "foundation/helpers.h"
#include "potis/poti_model.h"
#include "potis/selector_model.h"

#include <cstdlib>

namespace Veltor {

namespace {

constexpr int kMarkHeight = 9;
constexpr int kMainTickWidth = 2;
constexpr int kPointerWidth = 2;

void SetPen(TCanvas& c, TColor colour, int width, TPenMode mode = pmCopy) {
  c.Pen.Color = colour;
  c.Pen.Width = width;
  c.Pen.Style = psSolid;
  c.Pen.Mode = mode;
}

void Line(TCanvas& c, TPoint a, TPoint b) {
  c.MoveTo(a.X, a.Y);
  c.LineTo(b.X, b.Y);
}

// Top and left, or bottom and right, edge pixels of r in one colour.
void EdgeTopLeft(TCanvas& c, const TRect& r, TColor colour) {
  c.Brush.Color = colour;
  c.FillRect(TRect(r.Left, r.Top, r.Right, r.Top + 1));
  c.FillRect(TRect(r.Left, r.Top, r.Left + 1, r.Bottom));
}

void EdgeBottomRight(TCanvas& c, const TRect& r, TColor colour) {
  c.Brush.Color = colour;
  c.FillRect(TRect(r.Right - 1, r.Top, r.Right, r.Bottom));
  c.FillRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
}

// The flat button face with a one-pixel bevel: a dark outer edge at the
// bottom right, a light and a shadow edge inside. Returns the face's inner
// rectangle, moved a pixel down and right while pressed.
TRect DrawFlatFace(TCanvas& c, const TRect& r, bool pressed) {
  c.Brush.Style = bsSolid;
  TRect e = r;
  if (pressed) {
    EdgeTopLeft(c, e, clWindowFrame);
    EdgeBottomRight(c, e, clBtnHighlight);
    e.Shrink(1);
    EdgeTopLeft(c, e, clBtnShadow);
    e = TRect(e.Left + 1, e.Top + 1, e.Right, e.Bottom);
  } else {
    EdgeBottomRight(c, e, clWindowFrame);
    e = TRect(e.Left, e.Top, e.Right - 1, e.Bottom - 1);
    EdgeTopLeft(c, e, clBtnHighlight);
    e = TRect(e.Left + 1, e.Top + 1, e.Right, e.Bottom);
    EdgeBottomRight(c, e, clBtnShadow);
    e = TRect(e.Left, e.Top, e.Right - 1, e.Bottom - 1);
  }
  c.Brush.Color = clBtnFace;
  c.FillRect(e);
  TRect face(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2);
  if (pressed) face = TRect(face.Left + 1, face.Top + 1, face.Right + 1, face.Bottom + 1);
  return face;
}

}  // namespace

void DrawMakerMark(TCanvas& c, const TRect& inner) {
  c.Brush.Style = bsClear;
  TFont font;
  font.Name = QStringLiteral("Arial");
  font.Height = -kMarkHeight;
  font.Color = clGray;
  c.Font = font;
  const QString mark = QString::fromLatin1(kMakerMark);
  c.TextOut(inner.Right - c.TextWidth(mark) - 1, inner.Bottom - kMarkHeight, mark);
}

void DrawPotiScale(TCanvas& c, const TRotaryLayout& l, const TPotiScale& s) {
  c.Brush.Style = bsClear;
  SetPen(c, s.Colour, 1);
  const TRect& a = l.ScaleBox;
  // Counter-clockwise from the lower right to the lower left: over the top.
  c.Arc(a.Left, a.Top, a.Right, a.Bottom, a.Right, a.Bottom, a.Left, a.Bottom);

  const TPoint centre = l.Centre;
  const int labelWidth = 1 + MaxNumWidth(c, s.End, s.Start);
  const int fh = std::abs(c.Font.Height);
  const int labelX = centre.X - labelWidth / 2;
  // The label box turns about a pivot half a line above the centre, so it
  // stays upright and sits just outside its tick's end.
  const TPoint pivot(labelX, centre.Y - fh / 2);
  const TPoint anchor = RotatePoint(pivot, TPoint(labelX, l.TickOuter.Y - fh * 13 / 10), Dial::kStartFromTop);
  const TPoint inner = RotatePoint(centre, l.TickInner, Dial::kStartFromTop);
  const TPoint outer = RotatePoint(centre, l.TickOuter, Dial::kStartFromTop);

  const double span = s.End - s.Start;
  const int decimals = ScaleDecimals(span);
  const double division = Dial::kSweep / s.Parts;
  SetPen(c, s.Colour, kMainTickWidth);
  for (int i = 0; i <= s.Parts; ++i) {
    const double angle = division * i;
    Line(c, RotatePoint(centre, inner, angle), RotatePoint(centre, outer, angle));
    if (i < s.Parts) {
      const double half = angle + division / 2;
      c.Pen.Width = 1;
      Line(c, RotatePoint(centre, inner, half), RotatePoint(centre, outer, half));
      c.Pen.Width = kMainTickWidth;
    }
    const QString text = ScaleLabel(s.Start + span / s.Parts * i, decimals);
    const TPoint at = RotatePoint(pivot, anchor, angle);
    c.TextOut(at.X + (labelWidth - c.TextWidth(text)) / 2, at.Y, text);
  }
}

void DrawDetents(TCanvas& c, const TRotaryLayout& l, const TSelectorModel& model, TColor colour) {
  const TPoint centre = l.Centre;
  const int labelWidth = c.TextWidth(QStringLiteral("123")) + 1;
  const int fh = std::abs(c.Font.Height);
  const int labelX = centre.X - labelWidth / 2;
  const TPoint pivot(labelX, centre.Y - fh / 2);
  const int labelTop = l.Frame.PixelY(DialUnits::kTickEnd) - fh * 12 / 10;
  const TPoint anchor = RotatePoint(pivot, TPoint(labelX, labelTop), Dial::kStartFromTop);
  const int r = l.DotRadius;
  for (int i = 0; i <= model.ScalaPart(); ++i) {
    const double angle = model.DetentAngle(i);
    const TPoint dot = RotatePoint(centre, l.DotPoint, angle);
    SetPen(c, colour, 1);
    c.Brush.Style = bsSolid;
    c.Brush.Color = colour;
    c.Ellipse(dot.X - r, dot.Y - r, dot.X + r, dot.Y + r);
    if (i >= model.EntryCount()) continue;
    const QString text = model.Label(i);
    const TPoint at = RotatePoint(pivot, anchor, angle);
    c.Brush.Style = bsClear;
    c.TextOut(at.X + (labelWidth - c.TextWidth(text)) / 2, at.Y, text);
  }
}

void DrawCaptionBevel(TCanvas& c, const TRotaryLayout& l, TPanelBevel bevel) {
  TColor topLeft, bottomRight;
  if (!BevelColors(bevel, &topLeft, &bottomRight)) return;
  TRect r = l.CaptionFrame;
  DrawFrame3D(c, r, topLeft, bottomRight);
}

void DrawCaption(TCanvas& c, const TRect& box, const TFont& font, const QString& caption, TColor colour) {
  c.Font = font;
  FitFont(c, box, caption);
  c.Brush.Style = bsSolid;
  c.Brush.Color = clSilver;
  c.FillRect(box);
  c.Font.Color = colour;
  c.Brush.Style = bsClear;
  c.TextRect(box, box.Left + (box.Width() - c.TextWidth(caption)) / 2, box.Top - 2, caption);
}

void DrawKnob(TCanvas& c, const TRotaryLayout& l, const TKnobColours& k) {
  const TRect& r = l.RimBox;
  const int x1 = r.Left, y1 = r.Top, x2 = r.Right, y2 = r.Bottom;
  SetPen(c, clGray, 1);
  c.Pen.Style = psClear;
  c.Brush.Style = bsSolid;
  // Split along the diagonal from the upper right to the lower left.
  c.Brush.Color = k.Light;
  c.Pie(x1, y1, x2, y2, x2, y1, x1, y2);
  c.Brush.Color = k.Button;
  c.Pie(x1, y1, x2, y2, x1, y2, x2, y1);
  // The shade's radials lean towards the lower right, narrowing it to about
  // 147 degrees around that diagonal.
  const int d = l.Frame.PixelX(DialUnits::kShade) - l.Centre.X;
  c.Brush.Color = k.Shade;
  c.Pie(x1, y1, x2, y2, x1, y2 + d, x2 + d, y1);

  SetPen(c, clGray, 1);
  c.Brush.Color = k.Button;
  c.Ellipse(l.CapBox);
}

void DrawPointer(TCanvas& c, TPoint centre, TPoint end, TColor colour) {
  SetPen(c, colour, kPointerWidth, pmXor);
  Line(c, centre, end);
  c.Pen.Mode = pmCopy;
}

void DrawPresetButton(TCanvas& c, const TRect& r, bool pressed, TColor colour) {
  SetPen(c, clBlack, 1);
  TRect square = DrawFlatFace(c, r, pressed);
  square.Shrink(2);
  c.Brush.Style = bsSolid;
  c.Brush.Color = colour;
  c.Rectangle(square);
}

}  // namespace Veltor
