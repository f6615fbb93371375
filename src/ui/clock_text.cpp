#include "ui/clock_text.h"

#include <cstdio>

namespace ui {

std::string DateTextOf(int year, int month, int day) {
  return std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
}

std::string TimeTextOf(int hour, int minute, int second) {
  int clockHour = hour % 12 == 0 ? 12 : hour % 12;
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d:%02d:%02d", clockHour % 100, minute % 100,
                second % 100);
  return std::string(hour < 12 ? "上午 " : "下午 ") + digits;
}

}  // namespace ui
