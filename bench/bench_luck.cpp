// One whole drawing of the luck window on the headless platform, as button B makes it: the
// birth record read, the pillars of the birth computed, every table read, every step drawn,
// BIGFOR written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "base/program_folder.h"
#include "luck/form3.h"
#include "ui/headless_platform.h"
#include "ui/program.h"

namespace {

void BM_Form3Drawing(benchmark::State& state) {
  const std::string name = "bench_luck_record";
  std::ofstream(qm::ProgramFile(name), std::ios::binary) << " 73, 5, 12,8,30,M,N\r\n";
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  program.windows.Register("Form3",
                           [](ui::Program& p) { return std::make_unique<qm::luck::Form3>(p); });
  program.start.f檔名 = name;
  program.start.f流年 = 94;
  program.start.f流月 = 5;
  auto& form = program.windows.Get<qm::luck::Form3>("Form3");
  for (auto _ : state) {
    form.Form_Load();
    form.Form_Activate();
    benchmark::DoNotOptimize(form.canvas.Items().data());
  }
  state.counters["items"] = static_cast<double>(form.canvas.Items().size());
  std::filesystem::remove(qm::ProgramFile(name));
}
BENCHMARK(BM_Form3Drawing)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
