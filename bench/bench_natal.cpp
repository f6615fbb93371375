// One whole drawing of the natal chart window on the headless platform, as button A makes it:
// the birth record read, every table read, every step drawn, BIGFOR written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "base/program_folder.h"
#include "natal/form2.h"
#include "ui/headless_platform.h"
#include "ui/program.h"

namespace {

void BM_Form2Drawing(benchmark::State& state) {
  const std::string name = "bench_natal_record";
  std::ofstream(qm::ProgramFile(name), std::ios::binary) << " 73, 5, 12,8,30,M,N\r\n";
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  program.windows.Register("Form2",
                           [](ui::Program& p) { return std::make_unique<qm::natal::Form2>(p); });
  program.start.f檔名 = name;
  auto& form = program.windows.Get<qm::natal::Form2>("Form2");
  for (auto _ : state) {
    form.Form_Load();
    form.Form_Activate();
    benchmark::DoNotOptimize(form.canvas.Items().data());
  }
  state.counters["items"] = static_cast<double>(form.canvas.Items().size());
  std::filesystem::remove(qm::ProgramFile(name));
}
BENCHMARK(BM_Form2Drawing)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
