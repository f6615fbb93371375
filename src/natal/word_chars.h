#pragma once
// The characters of a UTF-8 word, for words printed down a column one character per row.
#include <cstddef>
#include <string_view>

namespace qm::natal {

// Character i (from 0) of a UTF-8 text; empty past its end.
constexpr std::string_view CharOf(std::string_view text, std::size_t i) {
  std::size_t pos = 0;
  for (;; --i) {
    if (pos >= text.size()) return {};
    unsigned char lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (i == 0) return text.substr(pos, length);
    pos += length;
  }
}

}  // namespace qm::natal
