#include "base/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "base/utf8.h"

namespace qm {
namespace {

// Shortest round-trip fixed text of |value| with at most 15 significant digits: "0.5", "73".
std::string ShortestMagnitude(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", std::fabs(value));
  std::string text = buf;
  if (text.find('e') == std::string::npos) return text;
  // Values outside what %g writes in fixed form: fall back to fixed with trailing zeros cut.
  std::snprintf(buf, sizeof buf, "%.15f", std::fabs(value));
  text = buf;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

// Adds one unit at the last digit of a decimal text of digits and at most one point.
void CarryUp(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] == '.') continue;
    if (digits[i] < '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// |value| to `decimals` places when it lies within a millionth of a unit of the last place (the
// scores and sums of the listing, the counts of a chart): the digits of the whole number of
// units, which is what the decimal text rounds to as well, without writing that text.
bool NearWholeUnits(double value, int decimals, std::string& digits) {
  constexpr std::array<double, 5> kUnitsPerOne = {1, 10, 100, 1000, 10000};
  if (decimals < 0 || decimals >= static_cast<int>(kUnitsPerOne.size())) return false;
  const double scaled = std::fabs(value) * kUnitsPerOne[decimals];
  const double units = std::round(scaled);
  if (!(scaled < 1e12) || std::fabs(scaled - units) > 1e-6) return false;
  char buf[24];
  digits.assign(buf, std::to_chars(buf, buf + sizeof buf, static_cast<long long>(units)).ptr);
  const std::size_t places = static_cast<std::size_t>(decimals);
  if (places == 0) return true;
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  digits.insert(digits.size() - places, 1, '.');
  return true;
}

// |value| rounded half away from zero to `decimals` places, from its shortest decimal text, so
// that a value written 2.675 rounds as 2.675 and not as its binary neighbour.
std::string RoundedMagnitude(double value, int decimals) {
  if (std::string units; NearWholeUnits(value, decimals, units)) return units;
  std::string text = ShortestMagnitude(value);
  std::size_t point = text.find('.');
  std::string whole = point == std::string::npos ? text : text.substr(0, point);
  std::string frac = point == std::string::npos ? "" : text.substr(point + 1);
  bool up = static_cast<int>(frac.size()) > decimals && frac[decimals] >= '5';
  frac.resize(decimals, '0');
  std::string result = decimals > 0 ? whole + "." + frac : whole;
  if (up) CarryUp(result);
  return result;
}

// The byte after the UTF-8 character that starts at byte i.
std::size_t NextCharStart(std::string_view text, std::size_t i) {
  ++i;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  return i;
}

bool AllZero(const std::string& digits) {
  for (char c : digits)
    if (c != '0' && c != '.') return false;
  return true;
}

}  // namespace

double TextToNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::size_t digitsStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  }
  bool anyDigit = false;
  for (std::size_t k = digitsStart; k < i; ++k) anyDigit |= text[k] != '.';
  if (!anyDigit) return 0;
  std::string number(text.substr(start, i - start));
  return std::strtod(number.c_str(), nullptr);
}

std::optional<int> WholeNumberWithin(double value, int low, int high) {
  if (!(value >= low && value <= high) || value != std::trunc(value)) return std::nullopt;
  return static_cast<int>(value);
}

std::string RecordNumber(double value) {
  std::string text = ShortestMagnitude(value);
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  bool negative = value < 0 && text != "0";
  return (negative ? "-" : " ") + text;
}

std::string JoinNumber(double value) {
  std::string text = ShortestMagnitude(value);
  return (value < 0 && text != "0" ? "-" : "") + text;
}

std::string ItemNumber(double value) { return RecordNumber(value) + " "; }

std::string LastDigits(int value, std::size_t n) {
  return std::string(LastChars(std::to_string(value), n));
}

std::string FormatNumber(double value, std::string_view pattern) {
  std::size_t lead = pattern.find_first_not_of(' ');
  if (lead == std::string_view::npos) throw std::invalid_argument("empty number pattern");
  std::string_view body = pattern.substr(lead);
  std::size_t point = body.find('.');
  int decimals = point == std::string_view::npos ? 0 : static_cast<int>(body.size() - point - 1);
  std::string_view whole = body.substr(0, point);
  std::size_t minDigits = static_cast<std::size_t>(std::count(whole.begin(), whole.end(), '0'));
  const std::string digits = RoundedMagnitude(value, decimals);
  const std::size_t wholeDigits = std::min(digits.find('.'), digits.size());
  const std::size_t zeros = wholeDigits < minDigits ? minDigits - wholeDigits : 0;
  const bool negative = value < 0 && !AllZero(digits);
  std::string text;
  text.reserve(lead + 1 + zeros + digits.size());
  text.append(lead, ' ');
  if (negative) text += '-';
  text.append(zeros, '0');
  text += digits;
  return text;
}

std::string FormatText(std::string_view text, std::string_view pattern) {
  const std::size_t places = static_cast<std::size_t>(std::count(pattern.begin(), pattern.end(), '@'));
  if (places == 0) return std::string(pattern) + std::string(text);
  const std::size_t count = CharCount(text);
  // The places that stay blank on the left, and the characters the leftmost place takes when
  // the text is longer than the places.
  const std::size_t blanks = count < places ? places - count : 0;
  const std::size_t extra = count > places ? count - places : 0;
  std::string result;
  result.reserve(pattern.size() - places + blanks + text.size());
  std::size_t place = 0, next = 0;  // next: the byte of the text's next character
  for (char c : pattern) {
    if (c != '@') {
      result += c;
      continue;
    }
    if (place++ < blanks) {
      result += ' ';
      continue;
    }
    const std::size_t chars = place == 1 ? extra + 1 : 1;
    const std::size_t from = next;
    for (std::size_t k = 0; k < chars; ++k) next = NextCharStart(text, next);
    result.append(text, from, next - from);
  }
  return result;
}

}  // namespace qm
