#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The leading number of a text (blanks before it skipped), stopping at the first character that
// cannot continue it; 0 when the text begins with no number. "73 (1984)" -> 73, "5/" -> 5.
double TextToNumber(std::string_view text);

// A number as a whole number from low to high; none for a fraction, for a number outside the
// range however far (infinity included) and for nan. The range is checked while the number is
// still a double: a number beyond int has no int to become.
std::optional<int> WholeNumberWithin(double value, int low, int high);

// A number as a record field: one blank in place of the sign, shortest decimal text up to 15
// significant digits, no zero before the point: 73 -> " 73", 0.5 -> " .5", -3 -> "-3".
std::string RecordNumber(double value);

// A number joined into a text: shortest form, no blanks, a zero before the point: "0.5", "12.3".
std::string JoinNumber(double value);

// A number printed as an item of its own: the record form with one blank after it: " 6 ".
std::string ItemNumber(double value);

// The last n characters of a whole number's plain decimal text, no blank before it: a year
// 2005 cut to 2 is "05", a month 5 stays "5".
std::string LastDigits(int value, std::size_t n);

// The pattern conversion for "0", "0.0", "0.00", "#0", "#0.0", "#0.00", "##0.0", "#00",
// "####00.0", "   #0.0" (leading blanks written unchanged): as many decimals as the pattern has
// after its point, at least as many whole digits as it has "0" before it (5 by "#00" is "05"),
// rounding half away from zero and never writing "-0.0".
std::string FormatNumber(double value, std::string_view pattern);

// "@" patterns: the text's characters fill the pattern's "@" places from the right, blanks the
// places it does not reach, and every other character of the pattern stands where it is:
// FormatText("甲", "@@") == " 甲", FormatText("26", "@@@ ") == " 26 ". A longer text is written
// whole, from the leftmost "@" on.
std::string FormatText(std::string_view text, std::string_view pattern);

}  // namespace qm
