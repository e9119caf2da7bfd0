// Shared main of the benchmark programs: offscreen, one QApplication, and no
// real 55 ms tick (a benchmark steps the clock itself when it needs to).
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
