#pragma once
// Items of the windows' drop-down lists.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// "1" .. "12": the whole numbers first to last.
inline std::vector<std::string> NumberItems(int first, int last) {
  std::vector<std::string> items;
  for (int n = first; n <= last; ++n) items.push_back(std::to_string(n));
  return items;
}

// A table of names whose entry 0 is "none", without that entry: 甲 .. 癸.
template <std::size_t N>
std::vector<std::string> NameItems(const std::array<std::string_view, N>& names) {
  return {names.begin() + 1, names.end()};
}

}  // namespace ui
