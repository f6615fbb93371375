// One whole drawing of the hexagram window on the headless platform: the lines 1 2 3 4 1 3 and
// the date 2005-05-11 15:07, the lunar date and the pillars read from the calendar tables, every
// step of the chart printed.
#include "bench_support.h"
#include "hexagram/form8.h"

namespace {

void BM_Form8Drawing(benchmark::State& state) {
  bench::HeadlessWindow<qm::hexagram::Form8> window("Form8");
  qm::hexagram::Form8& form = window.Get();
  form.lineCodes = {"1", "2", "3", "4", "1", "3"};
  form.CASEA = qm::hexagram::kTypedDate;
  form.chartTime = {94, 5, 11, 15, 7};
  bench::TimeDrawings(state, form, [](qm::hexagram::Form8& f) { f.Form_Activate(); });
}
BENCHMARK(BM_Form8Drawing)->Apply(bench::WholeDrawing);

}  // namespace

BENCHMARK_MAIN();
