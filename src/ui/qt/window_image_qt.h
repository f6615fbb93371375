#pragma once
#include <QImage>

#include "ui/window.h"

namespace ui::qt {

// The client area of the window (drawing and visible controls) at one pixel per 15 twips.
QImage WindowImage(const Window& window);

}  // namespace ui::qt
