#include "ui/qt/canvas_painter.h"

#include <QFontMetricsF>
#include <array>

#include "ui/qt/qt_look.h"

namespace ui::qt {
namespace {

// Draw styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none.
Qt::PenStyle PenStyleOf(int style) {
  constexpr std::array<Qt::PenStyle, 6> kStyles = {Qt::SolidLine,   Qt::DashLine,
                                                   Qt::DotLine,     Qt::DashDotLine,
                                                   Qt::DashDotDotLine, Qt::NoPen};
  return style >= 0 && style < static_cast<int>(kStyles.size()) ? kStyles[style] : Qt::SolidLine;
}

QPen PenOf(const DrawItem& item) {
  QPen pen(QtColour(item.colour));
  pen.setWidth(item.width < 1 ? 1 : item.width);
  pen.setStyle(PenStyleOf(item.style));
  return pen;
}

}  // namespace

QPointF PixelPoint(const Scale& scale, double x, double y, QSizeF size) {
  double width = scale.right - scale.left, height = scale.bottom - scale.top;
  return {width == 0 ? 0 : (x - scale.left) / width * size.width(),
          height == 0 ? 0 : (y - scale.top) / height * size.height()};
}

QPointF TextOrigin(const DrawItem& text, QSizeF size) {
  const double ascent = QFontMetricsF(QtFont(text.font)).ascent();
  return PixelPoint(text.scale, text.x1, text.y1, size) + QPointF(0, ascent);
}

void PaintCanvas(QPainter& painter, const Canvas& canvas, QSizeF size) {
  for (const DrawItem& item : canvas.Items()) {
    QPointF from = PixelPoint(item.scale, item.x1, item.y1, size);
    QPointF to = PixelPoint(item.scale, item.x2, item.y2, size);
    switch (item.kind) {
      case DrawItem::Kind::Text: {
        painter.setFont(QtFont(item.font));
        painter.setPen(QtColour(item.colour));
        painter.drawText(TextOrigin(item, size), QString::fromStdString(item.text));
        break;
      }
      case DrawItem::Kind::Line:
        painter.setPen(PenOf(item));
        painter.drawLine(from, to);
        break;
      case DrawItem::Kind::Box:
        painter.setPen(PenOf(item));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(from, to).normalized());
        break;
      case DrawItem::Kind::Point:
        painter.setPen(PenOf(item));
        painter.drawPoint(from);
        break;
    }
  }
}

}  // namespace ui::qt
