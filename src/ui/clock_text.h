#pragma once
#include <string>

namespace ui {

// The system date as the windows read it: four-digit year, month and day without leading zeros,
// "2005/5/11".
std::string DateTextOf(int year, int month, int day);

// The system time as the windows read it: "上午" or "下午", a blank, then the hour on the
// twelve-hour clock and the minutes and seconds, two digits each: 15:04:05 is "下午 03:04:05",
// 00:30:00 is "上午 12:30:00".
std::string TimeTextOf(int hour, int minute, int second);

}  // namespace ui
