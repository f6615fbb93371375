#include "ui/window_protocol.h"

#include "base/program_folder.h"
#include "ui/program.h"

namespace ui {

void OpenChartWindow(Program& program, std::string_view name) {
  program.windows.Get(name).Form_Load();
}

void ReturnToStart(Window& window) {
  Program& program = window.program;
  program.windows.Close(window);
  Window& start = program.windows.Get(kStartScreen);
  program.windows.Show(start);
  start.Form_Load();
}

void PrintChartWindow(Window& window, const std::vector<std::string_view>& hiddenControls) {
  for (std::string_view name : hiddenControls) window.C(name).visible = false;
  PrintResult result = window.program.platform.PrintWindow(window);
  for (std::string_view name : hiddenControls) window.C(name).visible = true;
  if (result == PrintResult::NoPrinter)
    window.program.MsgBox("找不到印表機，無法列印");
  else if (result == PrintResult::Failed)
    window.program.MsgBox("列印失敗，請檢查印表機");
}

std::optional<qm::BirthRecord> ReadBirthRecordOrReturn(Window& window, const std::string& name) {
  const std::filesystem::path file = qm::ProgramFile(name);
  try {
    return qm::ReadBirthRecord(file);
  } catch (const qm::Failure&) {
    window.program.MsgBox(qm::BirthRecordMessage(qm::CheckBirthRecord(file), name));
    ReturnToStart(window);
    return std::nullopt;
  }
}

std::optional<std::string> FileFailureMessage(const qm::Failure& failure) {
  const std::optional<qm::FailedFile>& file = failure.File();
  if (!file) return std::nullopt;
  const bool read = file->access == qm::FailedFile::Access::Read;
  return (read ? "資料檔讀取錯誤：" : "無法寫入檔案：") + file->name;
}

std::string FailureMessage(const qm::Failure& failure) {
  return FileFailureMessage(failure).value_or(failure.what());
}

void StopOnError(Window& window, const std::function<void()>& drawing) {
  try {
    drawing();
  } catch (const qm::Failure& failure) {
    if (std::optional<std::string> message = FileFailureMessage(failure))
      window.program.MsgBox(*message);
  }
}

void ShowInPlaceOfStart(Window& window) {
  Program& program = window.program;
  if (Window* start = program.windows.Loaded(kStartScreen)) program.windows.Hide(*start);
  program.windows.Show(window);
}

}  // namespace ui
