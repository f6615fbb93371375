#include "ui/program.h"

#include "base/failure.h"
#include "ui/window_protocol.h"

namespace ui {

void Program::MsgBox(std::string_view text, std::string_view title) {
  platform.MsgBox(text, title.empty() ? kTitle : title);
}

bool Program::Click(Window& window, std::string_view control) {
  bool handled = window.Click(control);
  windows.Settle();
  return handled;
}

void Program::RunEvent(const std::function<void()>& event) {
  // An activate step that fails while settling is said too; the manager has made its window
  // active already, so the next settling goes on from there.
  for (int attempt = 0; attempt < 8; ++attempt) {
    try {
      if (attempt == 0) event();
      windows.Settle();
      return;
    } catch (const qm::Failure& failure) {
      MsgBox(FailureMessage(failure));
    }
  }
}

}  // namespace ui
