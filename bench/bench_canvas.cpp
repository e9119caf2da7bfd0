// Canvas primitives the controls lean on: thin lines, polygon rings and a full
// frame paint.
#include "foundation/frame.h"
#include "host/canvas.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

using namespace Veltor;

namespace {

void BM_ThinLines(benchmark::State& state) {
  TBitmap bmp(1600, 900);
  TCanvas& c = bmp.Canvas();
  c.Pen.Color = clLime;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      c.MoveTo(i, 0);
      c.LineTo(i, 899);
    }
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ThinLines);

void BM_PaintFrame(benchmark::State& state) {
  TBitmap bmp(400, 200);
  TFrameLook look;
  look.BevelIn = bvLowered;
  for (auto _ : state) benchmark::DoNotOptimize(PaintFrame(bmp.Canvas(), look, 400, 200));
}
BENCHMARK(BM_PaintFrame);

}  // namespace
