#pragma once
#include <string>
#include <string_view>

namespace qm {

// The leading number of a text (blanks before it skipped), stopping at the first character that
// cannot continue it; 0 when the text begins with no number. "73 (1984)" -> 73, "5/" -> 5.
double TextToNumber(std::string_view text);

// A number as a record field: one blank in place of the sign, shortest decimal text up to 15
// significant digits, no zero before the point: 73 -> " 73", 0.5 -> " .5", -3 -> "-3".
std::string RecordNumber(double value);

// A number joined into a text: shortest form, no blanks, a zero before the point: "0.5", "12.3".
std::string JoinNumber(double value);

// A number printed as an item of its own: the record form with one blank after it: " 6 ".
std::string ItemNumber(double value);

// The pattern conversion for "0", "0.0", "0.00", "#0", "#0.0", "#0.00", "   #0.0" (leading
// blanks written unchanged), rounding half away from zero and never writing "-0.0".
std::string FormatNumber(double value, std::string_view pattern);

// "@" patterns: the text filled from the right into as many character places as the pattern
// has "@": FormatText("甲", "@@") == " 甲"; a longer text is written whole.
std::string FormatText(std::string_view text, std::string_view pattern);

}  // namespace qm
