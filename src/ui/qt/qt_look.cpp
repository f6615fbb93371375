#include "ui/qt/qt_look.h"

#include <cmath>

#include "ui/qt/fonts.h"

namespace ui::qt {

int Pixels(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect PixelRect(const Control& control) {
  return {Pixels(control.left), Pixels(control.top), Pixels(control.width),
          Pixels(control.height)};
}

QFont QtFont(const Font& font) {
  QFont qfont;
  qfont.setFamilies({FamilyOf(font.name)});
  qfont.setPixelSize(static_cast<int>(std::lround(font.size * 96.0 / 72.0)));
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  return qfont;
}

QColor QtColour(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace ui::qt
