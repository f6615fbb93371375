#pragma once
// The windows of the program on screen: one QWidget per shown window, kept in line with the
// model after every event, with clicks and activations passed to the program.
#include <memory>

#include "ui/program.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

class QtFront {
 public:
  // Needs the Qt application; the platform is the program's.
  QtFront(Program& program, QtPlatform& platform);
  ~QtFront();
  QtFront(const QtFront&) = delete;
  QtFront& operator=(const QtFront&) = delete;

  // Brings the screen in line with the model: widgets for the shown windows, none for closed
  // ones, the active window on top; ends the Qt application when the program quit.
  void Sync();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace ui::qt
