#include "ui/program.h"

namespace ui {

void Program::MsgBox(std::string_view text, std::string_view title) {
  platform.MsgBox(text, title.empty() ? kTitle : title);
}

bool Program::Click(Window& window, std::string_view control) {
  bool handled = window.Click(control);
  windows.Settle();
  return handled;
}

}  // namespace ui
