// One whole drawing of the hexagram window on the headless platform: the lines 1 2 3 4 1 3 and
// the date 2005-05-11 15:07, the lunar date and the pillars read from the calendar tables, every
// step of the chart printed.
#include <benchmark/benchmark.h>

#include "hexagram/form8.h"
#include "ui/headless_platform.h"
#include "ui/program.h"

namespace {

void BM_Form8Drawing(benchmark::State& state) {
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  program.windows.Register("Form8",
                           [](ui::Program& p) { return std::make_unique<qm::hexagram::Form8>(p); });
  auto& form = program.windows.Get<qm::hexagram::Form8>("Form8");
  form.lineCodes = {"1", "2", "3", "4", "1", "3"};
  form.CASEA = qm::hexagram::kTypedDate;
  form.chartTime = {94, 5, 11, 15, 7};
  for (auto _ : state) {
    form.Form_Activate();
    benchmark::DoNotOptimize(form.canvas.Items().data());
  }
  state.counters["items"] = static_cast<double>(form.canvas.Items().size());
}
BENCHMARK(BM_Form8Drawing)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
