#include "ui/headless_platform.h"

#include "ui/window.h"

namespace ui {

void HeadlessPlatform::MsgBox(std::string_view text, std::string_view title) {
  messages.push_back({std::string(title), std::string(text)});
  if (onMessage) onMessage(messages.back());
}

PrintResult HeadlessPlatform::PrintWindow(const Window& window) {
  if (printResult != PrintResult::Printed) return printResult;
  PrintJob job{window.Name(), {}, window.canvas.Items().size()};
  for (const Control& c : window.Controls())
    if (c.visible) job.visibleControls.push_back(c.name);
  printJobs.push_back(std::move(job));
  return PrintResult::Printed;
}

double HeadlessPlatform::Rnd() {
  if (randoms.empty()) return 0.5;
  double r = randoms.front();
  randoms.pop_front();
  return r;
}

}  // namespace ui
