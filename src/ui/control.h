#pragma once
#include <string>
#include <vector>

#include "ui/font.h"

namespace ui {

enum class ControlKind { Label, TextBox, ComboBox, Button, OptionButton, Frame, ListBox };

// One control of a window. Positions are in twips (1/1440 inch) within the client area. A
// control of a control array is named with its index: "用(0)".
struct Control {
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string text;  // caption of a label, button, option or frame; text of a box or list
  std::vector<std::string> items;
  int left = 0, top = 0, width = 0, height = 0;
  Font font;
  Colour foreColor = kBlack;
  Colour backColor = 0xFFFFFF;
  bool visible = true;
  bool selected = false;  // an option button's value
};

// Where a control stands, in twips.
struct Place {
  int left = 0, top = 0, width = 0, height = 0;
};

// A control as a window's design gives it: name, kind, caption or text, place, font and
// background.
inline Control MakeControl(std::string name, ControlKind kind, std::string text, Place at,
                           Font font, Colour back = kWhite) {
  Control c;
  c.name = std::move(name);
  c.kind = kind;
  c.text = std::move(text);
  c.left = at.left, c.top = at.top, c.width = at.width, c.height = at.height;
  c.font = std::move(font);
  c.backColor = back;
  return c;
}

}  // namespace ui
