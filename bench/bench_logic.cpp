// The logic display's full redraw and one-sample step on a large control.
//
// Targets (median, 2-core build machine): 32 channels x 16000 random 32-bit
// samples all in view on a 1600 x 900 control, full redraw <= 5 ms and at
// least 10x faster than the line-by-line reference; 200 samples in view,
// full redraw <= 1 ms and one StepForward <= 0.5 ms.
#include "logic/logic.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRandomGenerator>

using namespace Veltor;

namespace {

// The display with the traces drawn line by line, as first defined.
class ReferenceLogic : public TLogic {
 protected:
  void DrawTraces(TCanvas& canvas, const TDiagramGeometry& g, const TSampleView& samples, TColor colour) override {
    DrawTracesReference(canvas, g, samples, colour);
  }
};

template <typename Display>
void Prepare(Display& l, int endPos) {
  l.resize(1600, 900);
  l.SetBufferSize(64000);
  QRandomGenerator rng(1);
  for (int i = 0; i < l.BufferCount(); ++i) l.SetSample(i, int(rng.generate()));
  l.PaintNow();
  l.SetChanFirst(0);
  l.SetChanLast(31);
  l.SetDispStartPos(0);
  l.SetDispEndPos(endPos);
}

template <typename Display>
void BM_Redraw(benchmark::State& state) {
  Display l;
  Prepare(l, int(state.range(0)));
  for (auto _ : state) l.Redraw();
}
BENCHMARK_TEMPLATE(BM_Redraw, TLogic)->Arg(15999)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Redraw, ReferenceLogic)->Arg(15999)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_StepForward(benchmark::State& state) {
  TLogic l;
  Prepare(l, 200);
  for (auto _ : state) {
    if (l.DispEndPos() >= l.BufferCount() - 1) {
      state.PauseTiming();
      l.SetDispStartPos(0);
      l.SetDispEndPos(200);
      state.ResumeTiming();
    }
    l.StepForward();
  }
}
BENCHMARK(BM_StepForward)->Unit(benchmark::kMillisecond);

}  // namespace
