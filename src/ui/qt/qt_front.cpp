#include "ui/qt/qt_front.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <map>
#include <string>

#include "ui/qt/window_widget.h"
#include "ui/window_protocol.h"

namespace ui::qt {

struct QtFront::Impl {
  Program& program;
  std::map<std::string, QPointer<WindowWidget>> widgets;
  // True while an event runs: the activations Qt reports meanwhile (a message box closing, a
  // window shown by the handler) are left to the manager's settling after the event.
  bool busy = false;

  explicit Impl(Program& p) : program(p) {}

  void Run(const std::function<void()>& event) {
    if (busy) return;
    busy = true;
    program.RunEvent(event);
    busy = false;
    Sync();
  }

  WindowWidget::Events Events() {
    WindowWidget::Events events;
    events.click = [this](Window& window, const std::string& control) {
      Run([&window, control] { window.Click(control); });
    };
    events.activate = [this](Window& window) {
      Run([this, &window] { program.windows.Activate(window); });
    };
    events.close = [this](Window& window) {
      if (window.Name() == kStartScreen) Run([&window] { window.Click("cmd_quit"); });
      else if (!window.closeBox.empty()) Run([&window] { window.Click(window.closeBox); });
    };
    return events;
  }

  // Widgets whose window was closed go; the window object itself goes after the event.
  void DropClosed() {
    for (auto it = widgets.begin(); it != widgets.end();) {
      WindowWidget* widget = it->second;
      if (widget && widget->window() == program.windows.Loaded(it->first)) {
        ++it;
        continue;
      }
      if (widget) {
        widget->Detach();
        widget->hide();
        widget->deleteLater();
      }
      it = widgets.erase(it);
    }
  }

  // A window opens where the start screen stands, moved as little as needed for the whole
  // window, its frame too, to lie on the screen's free area. The start screen itself opens
  // where the system puts it.
  void PlaceOpening(WindowWidget& widget) {
    const auto start = widgets.find(std::string(kStartScreen));
    if (start == widgets.end() || !start->second || start->second == &widget) return;
    const QWidget& stand = *start->second;
    // A frame is known only once its window is on the screen: the new one is the start's.
    const QRect frame = stand.frameGeometry();
    const QSize whole = widget.size() + frame.size() - stand.geometry().size();
    const QRect area = stand.screen()->availableGeometry();
    const auto inside = [](int at, int from, int room, int length) {
      return std::max(from, std::min(at, from + room - length));
    };
    widget.move(inside(frame.x(), area.x(), area.width(), whole.width()),
                inside(frame.y(), area.y(), area.height(), whole.height()));
  }

  void Sync() {
    DropClosed();
    for (Window* window : program.windows.Shown()) {
      QPointer<WindowWidget>& widget = widgets[window->Name()];
      const bool opening = !widget;
      if (opening) widget = new WindowWidget(*window, Events());
      widget->SyncFromModel();
      if (opening) PlaceOpening(*widget);
      widget->show();
    }
    for (auto& [name, widget] : widgets)
      if (widget && !program.windows.IsVisible(*widget->window())) widget->hide();
    if (Window* active = program.windows.Active()) {
      WindowWidget* widget = widgets[active->Name()];
      if (QApplication::activeWindow() != widget) {
        widget->raise();
        widget->activateWindow();
      }
    }
    if (program.windows.QuitRequested()) QApplication::quit();
  }
};

QtFront::QtFront(Program& program, QtPlatform& platform) : impl_(std::make_unique<Impl>(program)) {
  platform.beforeDialog = [this] { impl_->Sync(); };
}

QtFront::~QtFront() {
  for (auto& [name, widget] : impl_->widgets) delete widget.data();
}

void QtFront::Sync() { impl_->Sync(); }

}  // namespace ui::qt
