#include "ui/qt/print_page.h"

#include <QPainter>
#include <algorithm>
#include <string>

#include "ui/program.h"
#include "ui/qt/window_image_qt.h"

namespace ui::qt {

bool PrintWindowPage(const Window& window, QPrinter& printer) {
  const QPicture picture = WindowPicture(window);
  const QSizeF size = picture.boundingRect().size();
  printer.setDocName(
      QString::fromStdString(std::string(Program::kTitle) + " " + window.Name()));
  printer.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
  // The page is measured in the recording's units: Qt plays a recorded text back at its size
  // converted by the device's resolution, so a printer counted in finer dots would enlarge
  // every text. Texts, lines and fills reach the printer as such and print at its own dots.
  printer.setResolution(picture.logicalDpiY());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The painter starts at the printable area's corner: the window is scaled up to that area,
  // its proportions kept, and centred in it.
  const QRectF page = painter.viewport();
  const double scale = std::min(page.width() / size.width(), page.height() / size.height());
  painter.translate((page.width() - size.width() * scale) / 2,
                    (page.height() - size.height() * scale) / 2);
  painter.scale(scale, scale);
  painter.drawPicture(0, 0, picture);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace ui::qt
