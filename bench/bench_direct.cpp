// One whole drawing of the window of entered pillars on the headless platform, as section 4 of
// the start screen makes it: every table read, every step drawn, BIGFOR written, the relation
// list and the star grid added.
#include "bench_support.h"
#include "direct/form6.h"

namespace {

void BM_Form6Drawing(benchmark::State& state) {
  bench::HeadlessWindow<qm::direct::Form6> window("Form6");
  ui::StartVariables& v = window.program.start;
  // 甲子 丙寅 戊辰 庚申, 男, luck from age 1.
  v.古Y1 = 1, v.古Y2 = 1, v.古M1 = 3, v.古M2 = 3, v.古D1 = 5, v.古D2 = 5, v.古H1 = 7, v.古H2 = 9;
  v.f性別 = "男";
  v.f幾歲運 = "1";
  bench::TimeDrawings(state, window.Get(), [](qm::direct::Form6& form) { form.Form_Load(); });
}
BENCHMARK(BM_Form6Drawing)->Apply(bench::WholeDrawing);

}  // namespace

BENCHMARK_MAIN();
