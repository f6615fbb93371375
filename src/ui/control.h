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
  // An option button that raises its click again when it is clicked while chosen.
  bool clickWhenSelected = false;
};

}  // namespace ui
