#pragma once
#include <QPainter>
#include <QSizeF>

#include "ui/canvas.h"

namespace ui::qt {

// Paints the display list on a client area of `size` pixels, each item mapped from the scale
// it was drawn in; a text stands with its top-left corner at its point.
void PaintCanvas(QPainter& painter, const Canvas& canvas, QSizeF size);

}  // namespace ui::qt
