// One whole drawing of the combined chart window on the headless platform, as button C makes
// it: the birth record read, every table read, the grid, palaces and stars and the natal centre
// drawn.
#include "bench_support.h"
#include "ziwei/form7.h"

namespace {

void BM_Form7Drawing(benchmark::State& state) {
  bench::BirthRecord record("bench_ziwei_record");
  bench::HeadlessWindow<qm::ziwei::Form7> window("Form7");
  window.program.start.f檔名 = record.name();
  bench::TimeDrawings(state, window.Get(), [](qm::ziwei::Form7& form) {
    form.Form_Load();
    form.Form_Activate();
  });
}
BENCHMARK(BM_Form7Drawing)->Apply(bench::WholeDrawing);

}  // namespace

BENCHMARK_MAIN();
