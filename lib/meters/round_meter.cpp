#include "meters/round_meter.h"

#include "foundation/helpers.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

TRoundMeter::TRoundMeter(QWidget* parent) : TDialMeter(parent) {}

void TRoundMeter::SetValue(double v) {
  if (FModel.SetValue(v)) UpdateNeedle(false);
}

void TRoundMeter::SetDispItalic(bool v) {
  FReadout.DigItalic = v;
  RepaintDial();
}

void TRoundMeter::SetDispFixPnt(bool v) {
  FModel.SetDispFixPnt(v);
  RepaintDial();
}

void TRoundMeter::SetDamping(int v) {
  if (FModel.SetDamping(v)) RunTicker(FModel.Damping() > 0);
}

void TRoundMeter::SetDampPeak(int v) {
  if (FModel.SetDampPeak(v) && FModel.DampPeak() > 0) RunTicker(true);
}

void TRoundMeter::SetPeakMode(TPeakPtrMode v) {
  if (FModel.SetPeakMode(v)) UpdateNeedle(true);
}

void TRoundMeter::ResetPeak() {
  if (FModel.ResetPeak()) UpdateNeedle(true);
}

// ---------------------------------------------------------------- dial

void TRoundMeter::Paint() {
  TVeltorBase::Paint();
  SetPainted(true);
  FModel.FixDecadeRange();
  TCanvas& c = DrawBitmap().Canvas();
  c.Font = Font();
  FLayout = MakeLayout();
  FInnerRect = FLayout.R;
  FLabels = TLabelBoxes();
  FCaptionRect = TRect();
  for (TCellCache& cell : FCells) cell = TCellCache();
  if (FLayout.Valid()) {
    const TDialLayout& l = FLayout;
    PaintDialFace(c, l, FColShape, ColBack());
    if (!l.Clip.IsEmpty()) c.SetClipRect(l.Clip);
    const TDialZone zones[3] = {{FColMin, FModel.ValueMinA(), FModel.ValueMinE()},
                                {FColMid, FModel.ValueMidA(), FModel.ValueMidE()},
                                {FColMax, FModel.ValueMaxA(), FModel.ValueMaxE()}};
    PaintZoneRing(c, l, FModel, zones, ColBack());
    if (FontAutom()) c.Font.Height = ScaleFontHeight(l);
    FLabels = PaintDialScale(c, l, FModel, FColScala, ScaleLabelWidth(c, FModel, Font()));
    PaintReadoutBox(c);
    PaintHub(c, l, FColShape, FColCircle);
    if (FLedEnable) PaintLedSockets(c, l, 0, 2);
    PaintMakerMark(c, l);
    c.ClearClip();
  }
  FModel.ClearMarks();
  UpdateNeedle(true);
}

void TRoundMeter::PaintReadoutBox(TCanvas& c) {
  const TRect d = FLayout.Readout;
  const int dh = d.Height() * 8 / 10;
  c.Brush = TBrush{FColDBack, bsSolid};
  c.Pen = TPen{FColDRand, 1, psSolid, pmCopy};
  if (FDispEnable) {
    c.Rectangle(d);
    TRect cells = d;
    cells.Shrink(dh / 8);
    FReadout.Layout(cells, kReadoutCells, FColDBack);
  }
  if (FontAutom()) c.Font.Height = std::abs(dh * 2 / 3);
  FCaptionRect = PaintCaption(c, FLayout, FCaption);
}

// ---------------------------------------------------------------- needle

void TRoundMeter::UpdateNeedle(bool force) {
  if (!Painted()) return;
  const TMeterStep step = FModel.Step();
  TRect readout;
  if (FDispEnable && FReadout.DigCount() > 0) {
    const QString text = FModel.ReadoutText();
    if (force || text != FReadoutText) {
      FReadoutText = text;
      readout = DrawReadout(text, force);
    }
  }
  const bool peak = FModel.PeakMode() != ppNone;
  const std::vector<TPointer>& drawn = Drawn();
  const TPolygon3 needle = PointerAt(FLayout.Needle, FModel.NeedleFraction());
  // A hidden peak pointer keeps its last place.
  const TPolygon3 peakPoly = peak || drawn.size() < 2 ? PointerAt(FLayout.Peak, FModel.PeakFraction()) : drawn[1].Poly;
  const bool moved =
      drawn.size() < 2 || needle[0] != drawn[0].Poly[0] || peakPoly[0] != drawn[1].Poly[0] || peak != drawn[1].Shown;
  if (force || !readout.IsEmpty() || moved) {
    std::vector<TRect> extra{readout};
    // A copy wipes a range mark, so a box that may carry one is copied whole.
    if (FModel.MarksActive()) extra.insert(extra.end(), {FLabels.End, FLabels.Start});
    Compose({{needle, FColPointer, true}, {peakPoly, FColPeakPtr, peak}}, force, extra);
  }
  if (step.UpperLim) emit OnUpperLim(this);
  if (step.LowerLim) emit OnLowerLim(this);
}

TRect TRoundMeter::DrawReadout(const QString& text, bool all) {
  // Like the read-out's own SetText, but a cell that already shows its
  // character is left alone, and a character drawn once in a cell is copied
  // from then on: seven-segment cells are costly to draw.
  TCanvas& dial = DrawBitmap().Canvas();
  TRect changed;
  int d = 1;
  for (qsizetype i = 0; i < text.size() && d <= FReadout.DigCount() && d <= kReadoutCells; ++i, ++d) {
    QChar point;
    if (i + 1 < text.size() && PointMaskFor(text[i + 1]) != 0) point = text[i + 1];
    const QString key = point.isNull() ? QString(text[i]) : QString(text[i]) + point;
    if (!point.isNull()) ++i;
    TCellCache& cell = FCells[d - 1];
    if (!all && cell.Shown == key) continue;
    cell.Shown = key;
    const TRect r = FReadout.Digit(d)->CellRect;
    const auto cached = cell.Pictures.constFind(key);
    if (cached != cell.Pictures.constEnd()) {
      dial.Draw(r.Left, r.Top, *cached);
    } else {
      FReadout.DrawOne(key[0], point, FColDisplay, dial, d);
      if (!r.IsEmpty()) cell.Pictures.insert(key, DrawBitmap().Image().copy(r.ToQRect()));
    }
    changed = changed.IsEmpty() ? r
                                : TRect(std::min(changed.Left, r.Left), std::min(changed.Top, r.Top),
                                        std::max(changed.Right, r.Right), std::max(changed.Bottom, r.Bottom));
  }
  return changed;
}

void TRoundMeter::DrawMarks(bool toggle) {
  if (!Painted()) return;
  TCanvas& c = Canvas();
  const auto xorBox = [&](const TRect& r) {
    c.Pen = TPen{clBlack, 1, psClear, pmXor};
    c.Brush = TBrush{ColBack() == clBlack ? clWhite : FColPointer, bsSolid};
    c.Rectangle(r);
    c.Pen.Mode = pmCopy;
  };
  if (FModel.EndMarkStep(toggle)) xorBox(FLabels.End);
  if (FModel.StartMarkStep(toggle)) xorBox(FLabels.Start);
}

void TRoundMeter::BlinkLeds(bool blinkState) {
  if (FLedEnable) FModel.BlinkLeds(blinkState);
}

void TRoundMeter::BlinkMarks() {
  if (FModel.MarksActive()) DrawMarks(true);
}

}  // namespace Veltor
