#pragma once
// The window of entered pillars: the complete natal chart of four pillars typed on the start
// screen, drawn once when the window opens, with a print button and a return button.
#include <string>
#include <string_view>

#include "ui/window.h"

namespace qm::direct {

class Form6 : public ui::Window {
 public:
  static constexpr std::string_view kName = "Form6";
  explicit Form6(ui::Program& program);

  // The whole opening: cleared, shown in place of the start screen, the inputs read and the
  // chart drawn with its relations and stars; a failure ends the drawing and leaves what was
  // drawn, a file that failed said in a message.
  void Form_Load() override;

  void cmd_prt_Click();
  void cmd_return1_Click();

  // The SexCode of the drawn chart, "M" or "F".
  std::string 性別;

 private:
  void AddControls();
  void Draw();
};

}  // namespace qm::direct
