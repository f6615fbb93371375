#include "ui/window.h"

#include <stdexcept>

namespace ui {

Window::Window(Program& program, std::string name) : program(program), name_(std::move(name)) {}

void Window::SetChartLook(std::string title, int width, int height) {
  caption = std::move(title);
  clientWidth = width, clientHeight = height;
  backColor = 0xC0FFFF;
  font = {"細明體", 11.25, false};
  canvas.font = font;
}

Control& Window::Add(Control control) {
  controls_.push_back(std::move(control));
  return controls_.back();
}

Control* Window::Find(std::string_view name) {
  for (Control& c : controls_)
    if (c.name == name) return &c;
  return nullptr;
}

Control& Window::C(std::string_view name) {
  if (Control* c = Find(name)) return *c;
  throw std::out_of_range("no control " + std::string(name) + " on " + name_);
}

const Control& Window::C(std::string_view name) const {
  return const_cast<Window*>(this)->C(name);
}

void Window::OnClick(std::string name, std::function<void()> handler) {
  clicks_[std::move(name)] = std::move(handler);
}

bool Window::Click(std::string_view name) {
  auto it = clicks_.find(name);
  if (it == clicks_.end()) return false;
  if (Control* c = Find(name); c && c->kind == ControlKind::OptionButton) {
    if (c->selected && !c->clickWhenSelected) return true;
    c->selected = true;
  }
  it->second();
  return true;
}

}  // namespace ui
