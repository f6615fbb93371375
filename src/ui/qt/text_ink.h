#pragma once
// Where the ink of a drawn text lies on a window's client area: measured with the font the Qt
// front draws the text in, from the point where it paints it. Qt-only.
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "ui/canvas.h"

namespace ui::qt {

// The characters of a text between two blanks, with the box of their glyphs' outlines in pixels
// of the client area: where they put ink, to within the pixel that antialiasing shades.
struct InkedRun {
  QString text;
  QRectF ink;
};

// The inked runs of a text item, left to right. Blanks (" " and the ideographic "　") leave no
// ink, so a text of blanks alone has no run; each run stands where the whole text puts it,
// after the advance of everything before it.
std::vector<InkedRun> InkedRuns(const DrawItem& text, QSizeF size);

}  // namespace ui::qt
