#include "ui/qt/text_ink.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include "ui/qt/canvas_painter.h"
#include "ui/qt/qt_look.h"

namespace ui::qt {
namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\u3000'; }

}  // namespace

std::vector<InkedRun> InkedRuns(const DrawItem& text, QSizeF size) {
  const QFont font = QtFont(text.font);
  const QFontMetricsF metrics(font);
  const QPointF origin = TextOrigin(text, size);
  const QString whole = QString::fromStdString(text.text);
  std::vector<InkedRun> runs;
  for (qsizetype start = 0; start < whole.size();) {
    if (IsBlank(whole[start])) {
      ++start;
      continue;
    }
    qsizetype end = start;
    while (end < whole.size() && !IsBlank(whole[end])) ++end;
    const QString run = whole.mid(start, end - start);
    const QPointF pen = origin + QPointF(metrics.horizontalAdvance(whole.left(start)), 0);
    QPainterPath outline;
    outline.addText(pen, font, run);
    runs.push_back({run, outline.boundingRect()});
    start = end;
  }
  return runs;
}

}  // namespace ui::qt
