#include "app/register_windows.h"

#include <memory>

#include "app/form1.h"
#include "direct/form6.h"
#include "fortune/form4.h"
#include "fortune/form5.h"
#include "hexagram/form8.h"
#include "luck/form3.h"
#include "natal/form2.h"
#include "ziwei/form7.h"

namespace qm::app {
namespace {

template <class W>
void Register(ui::Program& program, std::string_view name) {
  program.windows.Register(std::string(name),
                           [](ui::Program& p) { return std::make_unique<W>(p); });
}

}  // namespace

void RegisterWindows(ui::Program& program) {
  Register<Form1>(program, Form1::kName);
  Register<natal::Form2>(program, natal::Form2::kName);
  Register<luck::Form3>(program, luck::Form3::kName);
  Register<hexagram::Form8>(program, hexagram::Form8::kName);
  Register<ziwei::Form7>(program, ziwei::Form7::kName);
  Register<fortune::FORM4>(program, fortune::FORM4::kName);
  Register<fortune::Form5>(program, fortune::Form5::kName);
  Register<direct::Form6>(program, direct::Form6::kName);
}

void StartProgram(ui::Program& program) {
  RegisterWindows(program);
  program.windows.Show(program.windows.Get(Form1::kName));
  program.windows.Settle();
}

}  // namespace qm::app
