// One frame's worth of motion: Update on all ten sheets of the scene.
#include <benchmark/benchmark.h>

#include <vector>

#include "glow_sheet.h"
#include "random_source.h"

static void BM_UpdateAllSheets(benchmark::State& state) {
  SeedRandom(20261211);
  std::vector<GlowSheet> sheets(kSceneParameters.sheetCount);
  for (auto _ : state) {
    for (GlowSheet& sheet : sheets) sheet.Update(0.016f);
    benchmark::DoNotOptimize(sheets.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_UpdateAllSheets)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
