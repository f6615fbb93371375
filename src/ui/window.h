#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "ui/canvas.h"
#include "ui/control.h"

namespace ui {

class Program;

// One window: its controls, its canvas and the handlers of its events. Subclasses add their
// variables and handlers under the names the windows give them (Form_Load, Command11_Click).
class Window {
 public:
  Window(Program& program, std::string name);
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The load step, called when another window opens this one.
  virtual void Form_Load() {}
  // The activate step, run when the window becomes active coming from another window.
  virtual void Form_Activate() {}

  const std::string& Name() const { return name_; }

  // Adds a control; references to controls stay valid for the window's life.
  Control& Add(Control control);
  // The named control; throws std::out_of_range for an unknown name.
  Control& C(std::string_view name);
  const Control& C(std::string_view name) const;
  Control* Find(std::string_view name);
  const std::deque<Control>& Controls() const { return controls_; }

  // Raises the control's click: an option button raises it only when it becomes selected,
  // unless it is one that is clicked again while chosen.
  // Returns false when the control has no click handler.
  bool Click(std::string_view name);

  // The look of a chart window: its caption and client size, the pale yellow background and
  // 細明體 11.25 pt, the font its drawing starts with.
  void SetChartLook(std::string title, int width, int height);

  std::string caption;
  // The button whose click the title bar's close box raises; none: the close box does nothing.
  std::string closeBox;
  int clientWidth = 0, clientHeight = 0;  // twips
  Colour backColor = 0xFFFFFF;
  Font font;
  Canvas canvas;
  Program& program;

 protected:
  void OnClick(std::string name, std::function<void()> handler);

 private:
  std::string name_;
  std::deque<Control> controls_;
  std::map<std::string, std::function<void()>, std::less<>> clicks_;
};

}  // namespace ui
