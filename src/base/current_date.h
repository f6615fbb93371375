#pragma once
#include <string_view>

namespace qm {

// The RocYear of the system date text (four-digit year first: "2005/5/11" gives 94): its first
// four characters taken as a number, minus 1911.
double CurrentRocYear(std::string_view dateText);

// The month of the same text: its characters 6 and 7 taken as a number, so "5/" gives 5 and
// "12" gives 12; 0 when they begin with no number.
int CurrentMonth(std::string_view dateText);

}  // namespace qm
