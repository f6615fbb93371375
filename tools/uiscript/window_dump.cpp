#include "window_dump.h"

#include <cstdio>
#include <string>

#include "base/number_text.h"

namespace uiscript {
namespace {

std::string Colour(ui::Colour colour) {
  char text[16];
  std::snprintf(text, sizeof text, "&H%08X", static_cast<unsigned>(colour));
  return text;
}

std::string N(double value) { return qm::JoinNumber(value); }

void DumpItem(const ui::DrawItem& item, std::ostream& out) {
  using Kind = ui::DrawItem::Kind;
  switch (item.kind) {
    case Kind::Text:
      out << "TEXT " << N(item.x1) << ' ' << N(item.y1) << ' ' << item.text << '\n';
      break;
    case Kind::Line:
    case Kind::Box:
      out << (item.kind == Kind::Line ? "LINE " : "BOX ") << N(item.x1) << ' ' << N(item.y1)
          << ' ' << N(item.x2) << ' ' << N(item.y2) << ' ' << Colour(item.colour) << ' '
          << item.width << ' ' << item.style << '\n';
      break;
    case Kind::Point:
      out << "POINT " << N(item.x1) << ' ' << N(item.y1) << ' ' << Colour(item.colour) << '\n';
      break;
  }
}

}  // namespace

void DumpWindow(const ui::Program& program, const ui::Window& window, std::ostream& out) {
  out << "WINDOW " << window.Name() << (program.windows.IsVisible(window) ? " shown" : " hidden")
      << '\n';
  for (const ui::DrawItem& item : window.canvas.Items()) DumpItem(item, out);
  for (const ui::Control& control : window.Controls()) {
    if (!control.visible) continue;
    out << "CONTROL " << control.name << ' ' << control.text << '\n';
    if (control.kind == ui::ControlKind::ListBox)
      for (const std::string& item : control.items) out << "ITEM " << item << '\n';
  }
  out << "END\n";
}

}  // namespace uiscript
