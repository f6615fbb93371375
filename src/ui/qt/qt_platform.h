#pragma once
#include <functional>
#include <random>

#include "ui/platform.h"

namespace ui::qt {

// The machine as the Qt front offers it: message boxes with a button "確定", printing to the
// default printer, the system clock as text and random numbers seeded from the clock.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  void MsgBox(std::string_view text, std::string_view title) override;
  PrintResult PrintWindow(const Window& window) override;
  std::string DateText() override;
  std::string TimeText() override;
  double Rnd() override;

  // Called before a message box opens, so that the screen shows the windows as they stand.
  std::function<void()> beforeDialog;

 private:
  std::mt19937_64 random_;
};

}  // namespace ui::qt
