#pragma once
// Counting and cutting the characters (not bytes) of UTF-8 texts: the chart prints words one
// character per row and cuts numbers and weights to their last characters.
#include <cstddef>
#include <string_view>

namespace qm {

// The byte length of a character from its first byte.
constexpr std::size_t CharLength(unsigned char lead) {
  return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Number of characters of a text.
constexpr std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// Character i (from 0) of a text; empty past its end.
constexpr std::string_view CharOf(std::string_view text, std::size_t i) {
  std::size_t pos = 0;
  for (;; --i) {
    if (pos >= text.size()) return {};
    std::size_t length = CharLength(static_cast<unsigned char>(text[pos]));
    if (i == 0) return text.substr(pos, length);
    pos += length;
  }
}

// The last n characters of a text, the whole text when it is shorter: LastChars("0.5", 2) is ".5".
constexpr std::string_view LastChars(std::string_view text, std::size_t n) {
  std::size_t count = CharCount(text);
  if (count <= n) return text;
  std::string_view first = CharOf(text, count - n);
  return text.substr(static_cast<std::size_t>(first.data() - text.data()));
}

}  // namespace qm
