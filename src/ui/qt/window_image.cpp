#include <QApplication>
#include <QPicture>
#include <QPrinter>
#include <QString>

#include "ui/qt/print_page.h"
#include "ui/qt/qt_look.h"
#include "ui/qt/window_image.h"
#include "ui/qt/window_image_qt.h"
#include "ui/qt/window_widget.h"

namespace ui::qt {
namespace {

void EnsureOffscreenApplication() {
  if (QCoreApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "uiscript";
  static char* argv[] = {name, nullptr};
  // Lives to the end of the run, as the application of a program does.
  new QApplication(argc, argv);
}

QString QtPath(const std::filesystem::path& file) {
  const std::u8string path = file.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(path.data()),
                           static_cast<qsizetype>(path.size()));
}

// Renders the window on the device through a widget of its own that never shows on the screen.
void RenderWindow(const Window& window, QPaintDevice& device) {
  // The widget only shows the window and raises nothing, so it may hold it without const.
  WindowWidget widget(const_cast<Window&>(window));
  widget.setAttribute(Qt::WA_DontShowOnScreen);
  widget.show();
  widget.render(&device);
}

QRect ClientRect(const Window& window) {
  return {0, 0, Pixels(window.clientWidth), Pixels(window.clientHeight)};
}

QImage WindowImage(const Window& window) {
  QImage image(ClientRect(window).size(), QImage::Format_RGB32);
  RenderWindow(window, image);
  return image;
}

}  // namespace

QPicture WindowPicture(const Window& window) {
  // Recorded rather than rendered on a printer: Qt renders a widget on a printer through a
  // bitmap of it.
  QPicture picture;
  RenderWindow(window, picture);
  picture.setBoundingRect(ClientRect(window));
  return picture;
}

bool SaveWindowPng(const Window& window, const std::filesystem::path& file) {
  EnsureOffscreenApplication();
  return WindowImage(window).save(QtPath(file), "PNG");
}

bool SaveWindowPdf(const Window& window, const std::filesystem::path& file) {
  EnsureOffscreenApplication();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QtPath(file));
  return PrintWindowPage(window, printer);
}

}  // namespace ui::qt
