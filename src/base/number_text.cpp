#include "base/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

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

// |value| rounded half away from zero to `decimals` places, from its shortest decimal text, so
// that a value written 2.675 rounds as 2.675 and not as its binary neighbour.
std::string RoundedMagnitude(double value, int decimals) {
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

// The characters of a UTF-8 text, each as the bytes it takes.
std::vector<std::string_view> Utf8Chars(std::string_view text) {
  std::vector<std::string_view> chars;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t next = i + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    chars.push_back(text.substr(i, next - i));
    i = next;
  }
  return chars;
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

std::string FormatNumber(double value, std::string_view pattern) {
  std::size_t lead = pattern.find_first_not_of(' ');
  if (lead == std::string_view::npos) throw std::invalid_argument("empty number pattern");
  std::string_view body = pattern.substr(lead);
  std::size_t point = body.find('.');
  int decimals = point == std::string_view::npos ? 0 : static_cast<int>(body.size() - point - 1);
  std::string_view whole = body.substr(0, point);
  std::size_t minDigits = static_cast<std::size_t>(std::count(whole.begin(), whole.end(), '0'));
  std::string digits = RoundedMagnitude(value, decimals);
  std::size_t wholeDigits = std::min(digits.find('.'), digits.size());
  if (wholeDigits < minDigits) digits.insert(0, minDigits - wholeDigits, '0');
  bool negative = value < 0 && !AllZero(digits);
  return std::string(lead, ' ') + (negative ? "-" : "") + digits;
}

std::string FormatText(std::string_view text, std::string_view pattern) {
  const std::vector<std::string_view> chars = Utf8Chars(text);
  const std::vector<std::string_view> places = Utf8Chars(pattern);
  auto first = std::find(places.begin(), places.end(), "@");
  if (first == places.end()) return std::string(pattern) + std::string(text);
  // The places are filled from the right; the leftmost "@" takes whatever is left over.
  std::vector<std::string_view> pieces(places.begin(), places.end());
  std::size_t left = chars.size();
  for (auto it = places.end(); it-- != first;) {
    std::string_view& piece = pieces[static_cast<std::size_t>(it - places.begin())];
    if (*it != "@") continue;
    if (left == 0) {
      piece = " ";
    } else if (it == first) {
      piece = text.substr(0, static_cast<std::size_t>(chars[left - 1].data() - text.data()) +
                                 chars[left - 1].size());
      left = 0;
    } else {
      piece = chars[--left];
    }
  }
  std::string result;
  for (std::string_view piece : pieces) result += piece;
  return result;
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

}  // namespace qm
