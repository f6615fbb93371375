#pragma once
// How the windows' fonts, colours and twips look in Qt. Qt-only; the rest of the program sees
// none of it.
#include <QColor>
#include <QFont>
#include <QRect>

#include "ui/control.h"
#include "ui/font.h"

namespace ui::qt {

// 15 twips a pixel: the windows are laid out for 96 dots an inch.
inline constexpr double kTwipsPerPixel = 15;

int Pixels(int twips);
QRect PixelRect(const Control& control);
// The windows' font at its point size on a 96-dot screen, in the family of this machine that
// shows it (FamilyOf).
QFont QtFont(const Font& font);
// A colour written &H00BBGGRR.
QColor QtColour(Colour colour);

}  // namespace ui::qt
