#include "ui/qt/label_widget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

namespace ui::qt {

void LayOutLabel(QTextLayout& layout, double width) {
  const double height = QFontMetricsF(layout.font()).height();
  const double pitch = height + height / 8;
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  for (int row = 0;; ++row) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    line.setPosition(QPointF(0, row * pitch));
  }
  layout.endLayout();
}

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void LabelWidget::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void LabelWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  QTextLayout layout(text_, font());
  LayOutLabel(layout, width());
  layout.draw(&painter, QPointF(0, 0));
}

}  // namespace ui::qt
