#include "ui/canvas.h"

namespace ui {

void Canvas::Cls() {
  items_.clear();
  x_ = scale_.left;
  y_ = scale_.top;
  continuing_ = false;
}

void Canvas::SetScale(double left, double top, double right, double bottom) {
  scale_ = {left, top, right, bottom};
  x_ = left;
  y_ = top;
  continuing_ = false;
}

void Canvas::MoveTo(double x, double y) {
  x_ = x;
  y_ = y;
  continuing_ = false;
}

void Canvas::PrintAt(double x, double y, std::string_view text) {
  MoveTo(x, y);
  Print(text);
}

void Canvas::PrintAt(double x, double y, std::string_view text, double fontSize) {
  const Font kept = font;
  font.size = fontSize;
  PrintAt(x, y, text);
  font = kept;
}

void Canvas::Print(std::string_view text) {
  if (continuing_ && !items_.empty() && items_.back().kind == DrawItem::Kind::Text &&
      items_.back().font == font && items_.back().colour == foreColor) {
    items_.back().text += text;
    return;
  }
  DrawItem item;
  item.kind = DrawItem::Kind::Text;
  item.x1 = x_;
  item.y1 = y_;
  item.text = std::string(text);
  item.colour = foreColor;
  item.font = font;
  item.scale = scale_;
  items_.push_back(std::move(item));
  continuing_ = true;
}

DrawItem Canvas::Shape(DrawItem::Kind kind, double x1, double y1, double x2, double y2,
                       Colour colour) {
  DrawItem item;
  item.kind = kind;
  item.x1 = x1;
  item.y1 = y1;
  item.x2 = x2;
  item.y2 = y2;
  item.colour = colour;
  item.width = drawWidth;
  item.style = drawStyle;
  item.scale = scale_;
  continuing_ = false;
  return item;
}

void Canvas::Line(double x1, double y1, double x2, double y2, Colour colour) {
  items_.push_back(Shape(DrawItem::Kind::Line, x1, y1, x2, y2, colour));
  x_ = x2;
  y_ = y2;
}

void Canvas::Box(double x1, double y1, double x2, double y2, Colour colour) {
  items_.push_back(Shape(DrawItem::Kind::Box, x1, y1, x2, y2, colour));
  x_ = x2;
  y_ = y2;
}

void Canvas::Point(double x, double y, Colour colour) {
  items_.push_back(Shape(DrawItem::Kind::Point, x, y, x, y, colour));
  x_ = x;
  y_ = y;
}

}  // namespace ui
