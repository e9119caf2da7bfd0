// An 8-cell seven-segment display redrawn with a new value, as a read-out
// fed by a measurement loop does.
//
// Target (median, 2-core build machine): <= 50 us per new value at 300 x 80.
#include "segments/disp7seg.h"

#include <benchmark/benchmark.h>

#include <QApplication>

using namespace Veltor;

namespace {

// Every cell changes on every step: 12345678, 23456789, ...
void BM_Disp7SegNewValue(benchmark::State& state) {
  TDisp7Seg d;
  d.resize(300, 80);
  d.SetDispSize(8);
  d.PaintNow();
  int shift = 0;
  for (auto _ : state) {
    int v = 0;
    for (int i = 1; i <= 8; ++i) v = v * 10 + (i + shift) % 10;
    d.SetValueInt(v);
    shift = (shift + 1) % 10;
  }
  benchmark::DoNotOptimize(d.ValueStr());
}
BENCHMARK(BM_Disp7SegNewValue)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
