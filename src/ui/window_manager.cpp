#include "ui/window_manager.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

void WindowManager::Register(std::string name, Factory factory) {
  factories_[std::move(name)] = std::move(factory);
}

bool WindowManager::IsRegistered(std::string_view name) const {
  return factories_.find(name) != factories_.end();
}

Window& WindowManager::Get(std::string_view name) {
  if (Window* w = Loaded(name)) return *w;
  auto it = factories_.find(name);
  if (it == factories_.end()) throw std::out_of_range("no window " + std::string(name));
  auto window = it->second(program_);
  Window& ref = *window;
  loaded_.emplace(std::string(name), std::move(window));
  return ref;
}

Window* WindowManager::Loaded(std::string_view name) const {
  auto it = loaded_.find(name);
  return it == loaded_.end() ? nullptr : it->second.get();
}

void WindowManager::Show(Window& window) {
  std::erase(shown_, &window);
  shown_.push_back(&window);
}

void WindowManager::Hide(Window& window) {
  std::erase(shown_, &window);
  if (active_ == &window) active_ = nullptr;
}

void WindowManager::Close(Window& window) {
  Hide(window);
  auto it = loaded_.find(window.Name());
  if (it != loaded_.end() && it->second.get() == &window) {
    closed_.push_back(std::move(it->second));
    loaded_.erase(it);
  }
}

void WindowManager::CloseAll() {
  shown_.clear();
  active_ = nullptr;
  for (auto& [name, window] : loaded_) closed_.push_back(std::move(window));
  loaded_.clear();
}

bool WindowManager::IsVisible(const Window& window) const {
  return std::find(shown_.begin(), shown_.end(), &window) != shown_.end();
}

void WindowManager::Activate(Window& window) {
  if (!IsVisible(window)) return;
  Show(window);
  if (active_ == &window) return;
  active_ = &window;
  window.Form_Activate();
  Settle();
}

void WindowManager::Settle() {
  for (int guard = 0; guard < 16 && !shown_.empty() && active_ != shown_.back(); ++guard) {
    active_ = shown_.back();
    active_->Form_Activate();
  }
  if (shown_.empty()) active_ = nullptr;
  closed_.clear();
}

}  // namespace ui
