// Quillmere: the start screen first; the program ends with its quit button.
#include <QApplication>

#include "app/register_windows.h"
#include "ui/program.h"
#include "ui/qt/qt_front.h"
#include "ui/qt/qt_language.h"
#include "ui/qt/qt_platform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Windows are hidden and shown again; only the quit button ends the program.
  application.setQuitOnLastWindowClosed(false);
  ui::qt::UseChineseQtTexts();
  ui::qt::QtPlatform platform;
  ui::Program program(platform);
  ui::qt::QtFront front(program, platform);
  qm::app::StartProgram(program);
  front.Sync();
  return application.exec();
}
