// Costs of the 270 degree meter: a full repaint (the reference), a value
// change that moves the needle, one that leaves every pointer on its pixels,
// and one tick of 100 damped meters.

#include "foundation/tickregistry.h"
#include "meters/meter270.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>
#include <vector>

using namespace Veltor;

namespace {

std::unique_ptr<TMeter270> Meter() {
  auto m = std::make_unique<TMeter270>();
  m->resize(200, 200);
  m->PaintNow();
  return m;
}

void BM_FullRepaint(benchmark::State& state) {
  auto m = Meter();
  for (auto _ : state) {
    m->Invalidate();
    m->PaintNow();
  }
}
BENCHMARK(BM_FullRepaint);

void BM_ValueMovesNeedle(benchmark::State& state) {
  auto m = Meter();
  bool high = false;
  for (auto _ : state) {
    high = !high;
    m->SetValue(high ? 70 : 30);
  }
}
BENCHMARK(BM_ValueMovesNeedle);

// The same without the read-out: what the pointers alone cost.
void BM_ValueMovesNeedleNoReadout(benchmark::State& state) {
  auto m = Meter();
  m->SetDispEnable(false);
  m->PaintNow();
  bool high = false;
  for (auto _ : state) {
    high = !high;
    m->SetValue(high ? 70 : 30);
  }
}
BENCHMARK(BM_ValueMovesNeedleNoReadout);

void BM_ValueSamePixels(benchmark::State& state) {
  auto m = Meter();
  m->SetValue(50.001);
  bool high = false;
  for (auto _ : state) {
    high = !high;
    m->SetValue(high ? 50.002 : 50.001);  // same read-out, same needle pixels
  }
}
BENCHMARK(BM_ValueSamePixels);

// CPU time per tick of 100 meters with damping 5 and a value that changes
// every tick.
void BM_HundredDampedMetersPerTick(benchmark::State& state) {
  std::vector<std::unique_ptr<TMeter270>> meters;
  for (int i = 0; i < 100; ++i) {
    meters.push_back(Meter());
    meters.back()->SetDamping(5);
  }
  int n = 0;
  for (auto _ : state) {
    ++n;
    for (auto& m : meters) m->SetValue((n * 7) % 100);
    TimerTick();
  }
}
BENCHMARK(BM_HundredDampedMetersPerTick)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
