// One whole drawing of the luck window on the headless platform, as button B makes it: the
// birth record read, the pillars of the birth computed, every table read, every step drawn,
// BIGFOR written.
#include "bench_support.h"
#include "luck/form3.h"

namespace {

void BM_Form3Drawing(benchmark::State& state) {
  bench::BirthRecord record("bench_luck_record");
  bench::HeadlessWindow<qm::luck::Form3> window("Form3");
  window.program.start.f檔名 = record.name();
  window.program.start.f流年 = 94;
  window.program.start.f流月 = 5;
  bench::TimeDrawings(state, window.Get(), [](qm::luck::Form3& form) {
    form.Form_Load();
    form.Form_Activate();
  });
}
BENCHMARK(BM_Form3Drawing)->Apply(bench::WholeDrawing);

}  // namespace

BENCHMARK_MAIN();
