#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/window.h"

namespace ui {

class Program;

// Loads, shows, hides and closes the windows of the program and decides which one is active,
// the same way headless and on screen. A window's activate step runs when it becomes active
// coming from another window of the program; a message box or a print dialog is no window of
// the program, so closing one never runs it.
class WindowManager {
 public:
  using Factory = std::function<std::unique_ptr<Window>(Program&)>;
  explicit WindowManager(Program& program) : program_(program) {}

  // A later registration under the same name replaces the earlier one.
  void Register(std::string name, Factory factory);
  bool IsRegistered(std::string_view name) const;
  // The window, loaded (made afresh, controls at their defaults) when it is not loaded.
  Window& Get(std::string_view name);
  template <class W>
  W& Get(std::string_view name) {
    return dynamic_cast<W&>(Get(name));
  }
  Window* Loaded(std::string_view name) const;

  void Show(Window& window);
  void Hide(Window& window);
  // Hides and unloads the window; the object itself lives until the current event is over.
  void Close(Window& window);
  // Closes every loaded window: the end of the program.
  void CloseAll();
  bool IsVisible(const Window& window) const;
  // Shown windows, the top one last.
  const std::vector<Window*>& Shown() const { return shown_; }

  Window* Active() const { return active_; }
  // The user made the window active (the Qt front calls this on a window's activation).
  void Activate(Window& window);
  // After every event: the top shown window becomes active, running its activate step when it
  // was not the active one; repeated until nothing changes.
  void Settle();

  void Quit() { quit_ = true; }
  bool QuitRequested() const { return quit_; }

 private:
  Program& program_;
  std::map<std::string, Factory, std::less<>> factories_;
  std::map<std::string, std::unique_ptr<Window>, std::less<>> loaded_;
  std::vector<std::unique_ptr<Window>> closed_;
  std::vector<Window*> shown_;
  Window* active_ = nullptr;
  bool quit_ = false;
};

}  // namespace ui
