// One whole drawing of the window of entered pillars on the headless platform, as section 4 of
// the start screen makes it: every table read, every step drawn, BIGFOR written, the relation
// list and the star grid added.
#include <benchmark/benchmark.h>

#include "direct/form6.h"
#include "ui/headless_platform.h"
#include "ui/program.h"

namespace {

void BM_Form6Drawing(benchmark::State& state) {
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  program.windows.Register("Form6",
                           [](ui::Program& p) { return std::make_unique<qm::direct::Form6>(p); });
  ui::StartVariables& v = program.start;
  // 甲子 丙寅 戊辰 庚申, 男, luck from age 1.
  v.古Y1 = 1, v.古Y2 = 1, v.古M1 = 3, v.古M2 = 3, v.古D1 = 5, v.古D2 = 5, v.古H1 = 7, v.古H2 = 9;
  v.f性別 = "男";
  v.f幾歲運 = "1";
  auto& form = program.windows.Get<qm::direct::Form6>("Form6");
  for (auto _ : state) {
    form.Form_Load();
    benchmark::DoNotOptimize(form.canvas.Items().data());
  }
  state.counters["items"] = static_cast<double>(form.canvas.Items().size());
}
BENCHMARK(BM_Form6Drawing)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
