#include "fortune/form5.h"

#include <string>
#include <vector>

#include "fortune/form4.h"
#include "fortune/fortune_listing.h"
#include "ui/control_builders.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::fortune {

Form5::Form5(ui::Program& program) : ui::Window(program, std::string(kName)) {
  caption = "Form5";
  clientWidth = 8310;
  clientHeight = 7215;
  closeBox = "Cmd_quit5";
  // 細明體 gives every Latin character half and every Chinese character the full width.
  Add(ui::MakeControl("list_fortune", ui::ControlKind::ListBox, "", {480, 120, 7335, 6180},
                      {"細明體", 9.75, false}, ui::kWhite));
  Add(ui::Button("Cmd_quit5", "結束顯示", {3360, 6600, 1215, 375}, {"細明體", 9.75, false},
                 0x00E0E0E0));
  OnClick("Cmd_quit5", [this] { Cmd_quit5_Click(); });
}

void Form5::Form_Activate() {
  program.windows.Show(*this);
  ui::StopOnError(*this, [this] { C("list_fortune").items = ReadFortuneListing(); });
}

void Form5::Cmd_quit5_Click() {
  program.windows.Close(*this);
  program.windows.Get<FORM4>(FORM4::kName).Form_Load();
}

}  // namespace qm::fortune
