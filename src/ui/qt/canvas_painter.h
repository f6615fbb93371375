#pragma once
#include <QPainter>
#include <QSizeF>

#include "ui/canvas.h"

namespace ui::qt {

// A point of a scale on a client area of `size` pixels.
QPointF PixelPoint(const Scale& scale, double x, double y, QSizeF size);
// Where the painter starts a text item on its baseline: the text's point mapped to the client
// area, lowered by the font's ascent, so that the text's top-left corner stands at its point.
QPointF TextOrigin(const DrawItem& text, QSizeF size);

// Paints the display list on a client area of `size` pixels, each item mapped from the scale
// it was drawn in; a text stands with its top-left corner at its point.
void PaintCanvas(QPainter& painter, const Canvas& canvas, QSizeF size);

}  // namespace ui::qt
