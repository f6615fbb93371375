#pragma once
// One ui::Window on screen: a QWidget of the window's client size holding a real Qt control for
// every control of the window at its twips place, and painting the window's display list.
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/window.h"

namespace ui::qt {

class WindowWidget : public QWidget {
 public:
  struct Events {
    std::function<void(Window&, const std::string&)> click;  // a button or option clicked
    std::function<void(Window&)> activate;                     // the window became active
    std::function<void(Window&)> close;                        // the title bar's close
  };
  // Without events the widget only shows the window (printing, images).
  explicit WindowWidget(Window& window, Events events = {});

  // Brings every control, the caption and the size in line with the model.
  void SyncFromModel();
  // The window object is gone: the widget shows nothing more and raises no event.
  void Detach();
  Window* window() const { return window_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* MakeControl(const Control& control);
  void SyncControl(const Control& control, QWidget* widget);

  Window* window_;
  Events events_;
  std::map<std::string, QWidget*> controls_;
  std::map<std::string, std::vector<std::string>> shownItems_;
};

}  // namespace ui::qt
