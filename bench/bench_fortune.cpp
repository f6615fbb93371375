// One whole drawing of the fortune curve window on the headless platform, as the fortune button
// and the window buttons make it: BIGFOR and SIXTY.DAT read, every month scored, fortune.PRN
// written, the curve, grid and labels drawn. The default window of 21 ages and the widest one,
// ages 1 to 100.
#include <filesystem>

#include "base/names.h"
#include "bench_support.h"
#include "fortune/form4.h"
#include "natal/luck_record.h"

namespace {

// The record of the natal chart of 1984-05-12 08:30, male.
qm::natal::LuckRecord BenchRecord() {
  qm::natal::LuckRecord record;
  record.birth = qm::SolarDate{73, 5, 12};
  record.dayStem = 3;
  record.luckStartAge = 8.16157407407407;
  record.month = {6, 6};
  for (int k = 1; k <= qm::natal::kLuckPillarCount; ++k)
    record.pillars[k - 1] = {qm::NextStem(6, k), qm::NextBranch(6, k)};
  return record;
}

void DrawFortune(benchmark::State& state, int yearsBack, int yearsAhead) {
  qm::natal::WriteBigFor(BenchRecord());
  bench::HeadlessWindow<qm::fortune::FORM4> window("FORM4");
  ui::StartVariables& v = window.program.start;
  v.f用0 = 1, v.f用1 = 2, v.f喜0 = 3, v.f喜1 = 4, v.f閒0 = 5;
  v.f閒1 = 6, v.f仇0 = 7, v.f仇1 = 8, v.f忌0 = 9, v.f忌1 = 10;
  v.f始年 = yearsBack;
  v.f終年 = yearsAhead;
  qm::fortune::FORM4& form = window.Get();
  form.Form_Load();
  bench::TimeDrawings(state, form, [](qm::fortune::FORM4& f) { f.DrawFortuneWindow(); });
  state.counters["span"] = form.YL;
  std::filesystem::remove(qm::ProgramFile("fortune.PRN"));
}

void BM_FortuneDefaultWindow(benchmark::State& state) { DrawFortune(state, 10, 10); }
void BM_FortuneWidestWindow(benchmark::State& state) { DrawFortune(state, 1000, 1000); }

BENCHMARK(BM_FortuneDefaultWindow)->Apply(bench::WholeDrawing);
BENCHMARK(BM_FortuneWidestWindow)->Apply(bench::WholeDrawing);

}  // namespace

BENCHMARK_MAIN();
