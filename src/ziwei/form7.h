#pragma once
// The combined chart window: the Zi Wei chart of a birth record's twelve palaces around the
// four pillars, with buttons that move the birth moment one day or two hours either way, a
// print button and a return button.
#include "natal/birth_chart_window.h"

namespace qm::ziwei {

class Form7 : public natal::BirthChartWindow {
 public:
  static constexpr std::string_view kName = "Form7";
  explicit Form7(ui::Program& program);

 private:
  void AddControls();
  void Draw() override;
};

}  // namespace qm::ziwei
