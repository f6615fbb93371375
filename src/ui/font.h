#pragma once
#include <cstdint>
#include <string>

namespace ui {

// A font as the windows name it (細明體, 新細明體, 標楷體); the Qt front substitutes the fonts
// of this machine.
struct Font {
  std::string name = "細明體";
  double size = 9.75;
  bool bold = false;
  bool italic = false;
  bool operator==(const Font&) const = default;
};

// Colours are written &H00BBGGRR, as the windows give them.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

}  // namespace ui
