#include <QApplication>
#include <QString>

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

}  // namespace

QImage WindowImage(const Window& window) {
  // The widget only shows the window and raises nothing, so it may hold it without const.
  WindowWidget widget(const_cast<Window&>(window));
  widget.setAttribute(Qt::WA_DontShowOnScreen);
  widget.show();
  QImage image(widget.size(), QImage::Format_RGB32);
  widget.render(&image);
  widget.hide();
  return image;
}

bool SaveWindowPng(const Window& window, const std::filesystem::path& file) {
  EnsureOffscreenApplication();
  const std::u8string path = file.u8string();
  return WindowImage(window).save(
      QString::fromUtf8(reinterpret_cast<const char*>(path.data()), path.size()), "PNG");
}

}  // namespace ui::qt
