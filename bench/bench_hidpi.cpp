// The same paints at device pixel ratio 1 and 2 (and 1.5): the logic
// display's full redraw, a caption button's paint, and canvas primitives.
// Ratio 2 has four times the pixels; its cost should stay within about 4x.
#include "buttons/bevel3d.h"
#include "host/canvas.h"
#include "logic/logic.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRandomGenerator>

using namespace Veltor;

namespace {

qreal RatioArg(const benchmark::State& state, int index) { return qreal(state.range(index)) / 100; }

// Args: samples in view, ratio in percent.
void BM_LogicRedraw(benchmark::State& state) {
  TLogic l;
  l.SetSurfaceRatio(RatioArg(state, 1));
  l.resize(1600, 900);
  l.SetBufferSize(64000);
  QRandomGenerator rng(1);
  for (int i = 0; i < l.BufferCount(); ++i) l.SetSample(i, int(rng.generate()));
  l.PaintNow();
  l.SetChanFirst(0);
  l.SetChanLast(31);
  l.SetDispStartPos(0);
  l.SetDispEndPos(int(state.range(0)));
  for (auto _ : state) l.Redraw();
}
BENCHMARK(BM_LogicRedraw)
    ->Args({15999, 100})
    ->Args({15999, 200})
    ->Args({15999, 150})
    ->Args({200, 100})
    ->Args({200, 200})
    ->Unit(benchmark::kMillisecond);

// Args: ratio in percent.
void BM_CaptionButtonPaint(benchmark::State& state) {
  TBevel3D b;
  b.SetSurfaceRatio(RatioArg(state, 0));
  b.SetBounds(0, 0, 120, 40);
  b.SetCaptEnable(true);
  b.SetCaption(QStringLiteral("Start"));
  b.SetColCaption(clYellow);
  b.PaintNow();
  for (auto _ : state) {
    b.Invalidate();
    b.PaintNow();
  }
}
BENCHMARK(BM_CaptionButtonPaint)->Arg(100)->Arg(200)->Arg(150)->Unit(benchmark::kMicrosecond);

// Args: ratio in percent.
void BM_ThinLines(benchmark::State& state) {
  TBitmap bmp(1600, 900, RatioArg(state, 0));
  TCanvas& c = bmp.Canvas();
  c.Pen.Color = clLime;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      c.MoveTo(i, 0);
      c.LineTo(i + 600, 899);
    }
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ThinLines)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Args: ratio in percent.
void BM_TextAndCurves(benchmark::State& state) {
  TBitmap bmp(400, 300, RatioArg(state, 0));
  TCanvas& c = bmp.Canvas();
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -13;
  for (auto _ : state) {
    c.Brush.Style = bsSolid;
    c.Brush.Color = clSilver;
    c.FillRect(TRect(0, 0, 400, 300));
    c.Ellipse(10, 10, 390, 290);
    c.Arc(30, 30, 370, 270, 370, 150, 30, 150);
    c.Brush.Style = bsClear;
    for (int i = 0; i < 10; ++i) c.TextOut(40, 40 + 22 * i, QStringLiteral("Channel %1: 1234.5 mV").arg(i));
  }
}
BENCHMARK(BM_TextAndCurves)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
