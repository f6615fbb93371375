#pragma once
// The natal chart window: the complete natal chart of a birth record, with buttons that move
// the birth moment one day or two hours either way, a print button and a return button.
#include "natal/birth_chart_window.h"

namespace qm::natal {

class Form2 : public BirthChartWindow {
 public:
  static constexpr std::string_view kName = "Form2";
  explicit Form2(ui::Program& program);

 private:
  void AddControls();
  void Draw() override;
};

}  // namespace qm::natal
