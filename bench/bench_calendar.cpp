// The calendar calls as a window makes them: every call reads its tables from the program folder.
#include <benchmark/benchmark.h>

#include "calendar/calendar.h"

namespace {

void BM_ComputePillars(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(qm::ComputePillars(113, 2, 4, 16, 27));
}
BENCHMARK(BM_ComputePillars);

// A late year searches the most of the month table.
void BM_SolarToLunar(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(qm::SolarToLunar(120, 12, 31));
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(qm::LunarToSolar(120, 12, 1));
}
BENCHMARK(BM_LunarToSolar);

}  // namespace

BENCHMARK_MAIN();
