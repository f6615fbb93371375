// One whole drawing of the natal chart window on the headless platform, as button A makes it:
// the birth record read, every table read, every step drawn, BIGFOR written.
#include "bench_support.h"
#include "natal/form2.h"

namespace {

void BM_Form2Drawing(benchmark::State& state) {
  bench::BirthRecord record("bench_natal_record");
  bench::HeadlessWindow<qm::natal::Form2> window("Form2");
  window.program.start.f檔名 = record.name();
  bench::TimeDrawings(state, window.Get(), [](qm::natal::Form2& form) {
    form.Form_Load();
    form.Form_Activate();
  });
}
BENCHMARK(BM_Form2Drawing)->Apply(bench::WholeDrawing);

}  // namespace

BENCHMARK_MAIN();
