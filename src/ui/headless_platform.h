#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace ui {

// The platform without a screen: message boxes are answered OK at once and recorded, print
// jobs are recorded, the clock and the random numbers are whatever the test set.
class HeadlessPlatform : public Platform {
 public:
  struct Message {
    std::string title, text;
  };
  struct PrintJob {
    std::string window;
    std::vector<std::string> visibleControls;
    std::size_t drawnItems = 0;
  };

  void MsgBox(std::string_view text, std::string_view title) override;
  PrintResult PrintWindow(const Window& window) override;
  std::string DateText() override { return date; }
  std::string TimeText() override { return time; }
  double Rnd() override;

  std::string date = "2005/5/11";
  std::string time = "下午 03:04:05";
  std::deque<double> randoms;
  PrintResult printResult = PrintResult::Printed;
  std::vector<Message> messages;
  std::vector<PrintJob> printJobs;
  // Called as each message box is shown (the headless driver prints it).
  std::function<void(const Message&)> onMessage;
};

}  // namespace ui
