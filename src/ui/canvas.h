#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ui/font.h"

namespace ui {

// The user coordinate system of a window: (left, top) at the top-left corner of the client
// area, (right, bottom) at its bottom-right corner.
struct Scale {
  double left = 0, top = 0, right = 1, bottom = 1;
  bool operator==(const Scale&) const = default;
};

// One drawn item, in the user coordinates of the scale it was drawn in.
struct DrawItem {
  enum class Kind { Text, Line, Box, Point };
  Kind kind = Kind::Text;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string text;
  Colour colour = kBlack;
  int width = 1;
  int style = 0;  // 0 solid, 2 dotted
  Font font;
  Scale scale;
};

// The drawing surface of a window: a display list of texts, lines, boxes and points. It computes
// nothing from pixels; a text that continues the previous one (printed with no move between)
// is merged into it.
class Canvas {
 public:
  // Clears the drawing and puts the current position at the top-left corner.
  void Cls();
  void SetScale(double left, double top, double right, double bottom);
  const Scale& GetScale() const { return scale_; }

  // Moves the current position; the next text starts a new item there.
  void MoveTo(double x, double y);
  double CurrentX() const { return x_; }
  double CurrentY() const { return y_; }

  // PrintAt: move to (x, y) and write the text there.
  void PrintAt(double x, double y, std::string_view text);
  // The same in a font of another size, for a text that would run into its neighbour; the font
  // of the canvas stays as it was for what follows.
  void PrintAt(double x, double y, std::string_view text, double fontSize);
  // Writes the text at the current position, or right after the previous text when nothing
  // moved the position since.
  void Print(std::string_view text);

  void Line(double x1, double y1, double x2, double y2, Colour colour);
  void Box(double x1, double y1, double x2, double y2, Colour colour);
  void Point(double x, double y, Colour colour);

  int drawWidth = 1;
  int drawStyle = 0;
  Colour foreColor = kBlack;
  Font font;

  const std::vector<DrawItem>& Items() const { return items_; }

 private:
  DrawItem Shape(DrawItem::Kind kind, double x1, double y1, double x2, double y2, Colour colour);
  std::vector<DrawItem> items_;
  Scale scale_;
  double x_ = 0, y_ = 0;
  bool continuing_ = false;
};

}  // namespace ui
