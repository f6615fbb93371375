#pragma once
#include <QPicture>

#include "ui/window.h"

namespace ui::qt {

// The client area of the window (drawing and visible controls) as the Qt front shows it,
// recorded as drawing commands at one unit a pixel (15 twips): texts stay texts and lines
// stay lines on whatever device the recording is played on.
QPicture WindowPicture(const Window& window);

}  // namespace ui::qt
