#pragma once
// The SexCode of a chart, read in one place: "M" or "m" is male, "F" or "f" female.
#include <string_view>

namespace qm {

// None is neither: a star for either sex, no direction of the luck.
enum class Sex { None, Male, Female };

constexpr Sex SexOf(std::string_view code) {
  if (code == "M" || code == "m") return Sex::Male;
  if (code == "F" || code == "f") return Sex::Female;
  return Sex::None;
}

}  // namespace qm
