#pragma once
// What the window benchmarks share: a headless program with the one window drawn, the birth
// record it is opened on, and the timing of one whole drawing per iteration.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/program_folder.h"
#include "ui/headless_platform.h"
#include "ui/program.h"

namespace bench {

// The birth record of 1984-05-12 08:30, male, written in the program folder under its name for
// one benchmark and removed when the benchmark ends.
class BirthRecord {
 public:
  explicit BirthRecord(std::string name) : name_(std::move(name)) {
    std::ofstream(qm::ProgramFile(name_), std::ios::binary) << " 73, 5, 12,8,30,M,N\r\n";
  }
  ~BirthRecord() { std::filesystem::remove(qm::ProgramFile(name_)); }
  BirthRecord(const BirthRecord&) = delete;
  BirthRecord& operator=(const BirthRecord&) = delete;

  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// A headless program with window W registered under its name.
template <class W>
class HeadlessWindow {
 public:
  explicit HeadlessWindow(std::string name) : program(platform), name_(std::move(name)) {
    program.windows.Register(name_, [](ui::Program& p) { return std::make_unique<W>(p); });
  }
  // The window, loaded with its controls at their defaults.
  W& Get() { return program.windows.Get<W>(name_); }

  ui::HeadlessPlatform platform;
  ui::Program program;

 private:
  std::string name_;
};

// Times draw(form) once per iteration and counts the items of the last drawing.
template <class W, class Draw>
void TimeDrawings(benchmark::State& state, W& form, Draw draw) {
  for (auto _ : state) {
    draw(form);
    benchmark::DoNotOptimize(form.canvas.Items().data());
  }
  state.counters["items"] = static_cast<double>(form.canvas.Items().size());
}

// A whole drawing is timed in microseconds, five runs reported by their aggregates.
inline void WholeDrawing(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace bench
