// One whole drawing of the combined chart window on the headless platform, as button C makes
// it: the birth record read, every table read, the grid, palaces and stars and the natal centre
// drawn.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "base/program_folder.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ziwei/form7.h"

namespace {

void BM_Form7Drawing(benchmark::State& state) {
  const std::string name = "bench_ziwei_record";
  std::ofstream(qm::ProgramFile(name), std::ios::binary) << " 73, 5, 12,8,30,M,N\r\n";
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  program.windows.Register("Form7",
                           [](ui::Program& p) { return std::make_unique<qm::ziwei::Form7>(p); });
  program.start.f檔名 = name;
  auto& form = program.windows.Get<qm::ziwei::Form7>("Form7");
  for (auto _ : state) {
    form.Form_Load();
    form.Form_Activate();
    benchmark::DoNotOptimize(form.canvas.Items().data());
  }
  state.counters["items"] = static_cast<double>(form.canvas.Items().size());
  std::filesystem::remove(qm::ProgramFile(name));
}
BENCHMARK(BM_Form7Drawing)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
