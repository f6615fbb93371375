#pragma once
#include <string>
#include <string_view>

namespace ui {

class Window;

enum class PrintResult { Printed, NoPrinter, Failed };

// What a window asks of the machine. The headless platform records what is asked and answers
// with a fixed clock and fixed random numbers; the Qt platform shows real dialogs and prints.
class Platform {
 public:
  virtual ~Platform() = default;
  // A message box with an OK button; returns when it is answered.
  virtual void MsgBox(std::string_view text, std::string_view title) = 0;
  // Prints the image of the window's client area (drawing and visible controls).
  virtual PrintResult PrintWindow(const Window& window) = 0;
  // The system date as text, four-digit year first: "2005/5/11".
  virtual std::string DateText() = 0;
  // The system time as text: half-day marker, a blank and hh:mm:ss: "下午 03:04:05".
  virtual std::string TimeText() = 0;
  // The next random number, 0 <= r < 1, from one engine seeded once per run.
  virtual double Rnd() = 0;
};

}  // namespace ui
