#include "base/current_date.h"

#include "base/number_text.h"

namespace qm {

double CurrentRocYear(std::string_view dateText) {
  return TextToNumber(dateText.substr(0, 4)) - 1911;
}

int CurrentMonth(std::string_view dateText) {
  if (dateText.size() < 6) return 0;
  return static_cast<int>(TextToNumber(dateText.substr(5, 2)));
}

}  // namespace qm
