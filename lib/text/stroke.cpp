#include "text/stroke.h"

namespace Veltor {

TStroke::TStroke(QWidget* parent) : TRahmen(parent) { resize(120, 40); }

void TStroke::SetsString(const QString& v) {
  FText = v.left(kStrokeMaxText);
  Invalidate();
}

void TStroke::SetFileABC(bool v) {
  FSet.UseAlternative = v && AlternativeStrokeFontLoaded();
  Invalidate();
}

void TStroke::SetRotate(int v) {
  FParams.Rotate = v % 360;
  Invalidate();
}

void TStroke::SetJustifyHor(TJustHor v) {
  FParams.JustifyHor = v;
  Invalidate();
}

void TStroke::SetJustifyVert(TJustVert v) {
  FParams.JustifyVert = v;
  Invalidate();
}

void TStroke::SetBold(int v) {
  FBold = qBound(1, v, 50);
  Invalidate();
}

const TStrokeSet& TStroke::StrokeSet() {
  FSet.Layout(FText, FParams);
  return FSet;
}

void TStroke::Paint() {
  TRahmen::Paint();
  TCanvas& c = Canvas();
  c.SetClipRect(InnerRect());
  c.Pen.Color = FStrokeColor;
  c.Pen.Style = psSolid;
  c.Pen.Width = FBold;

  const TStrokeSet& set = StrokeSet();
  for (int i = 0; i < set.Count; ++i) {
    const auto& points = set.Points[i];
    for (int k = 0; k < kStrokePoints && points[k].Pen >= 0; ++k) {
      const TPoint p = TStrokeSet::ToScreen(points[k], FPosition);
      if (k > 0 && points[k - 1].Pen == 1)
        c.LineTo(p.X, p.Y);
      else
        c.MoveTo(p.X, p.Y);
    }
  }
  c.ClearClip();
}

}  // namespace Veltor
