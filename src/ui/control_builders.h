#pragma once
// Controls as the windows build them: a kind, a name, a caption or text, a place in twips, a
// font and a back colour.
#include <string>

#include "ui/control.h"

namespace ui {

// A control's place within the client area, in twips.
struct Place {
  int left, top, width, height;
};

inline Control MakeControl(std::string name, ControlKind kind, std::string text, Place at, Font font,
                           Colour back) {
  Control c;
  c.name = std::move(name);
  c.kind = kind;
  c.text = std::move(text);
  c.left = at.left, c.top = at.top, c.width = at.width, c.height = at.height;
  c.font = std::move(font);
  c.backColor = back;
  return c;
}

inline Control Button(std::string name, std::string caption, Place at, Font font, Colour back) {
  return MakeControl(std::move(name), ControlKind::Button, std::move(caption), at, std::move(font), back);
}

inline Control Label(std::string name, std::string caption, Place at, Font font, Colour back) {
  return MakeControl(std::move(name), ControlKind::Label, std::move(caption), at, std::move(font), back);
}

}  // namespace ui
