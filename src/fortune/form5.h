#pragma once
// The list window of the fortune listing: fortune.PRN line by line, in a fixed-pitch font so
// that the columns stand under one another. It opens over the fortune window; its close button
// reopens the fortune window from the start screen's values.
#include <string_view>

#include "ui/window.h"

namespace qm::fortune {

class Form5 : public ui::Window {
 public:
  static constexpr std::string_view kName = "Form5";
  explicit Form5(ui::Program& program);

  // The draw step: shows this window and lists every line of fortune.PRN. A file that cannot
  // be read is said in a message and leaves the list as it was.
  void Form_Activate() override;
  // Closes this window and loads the fortune window again, which redraws it.
  void Cmd_quit5_Click();
};

}  // namespace qm::fortune
