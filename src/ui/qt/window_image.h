#pragma once
// A window's client area as an image: its drawing and its visible controls, rendered as the Qt
// front shows them. Qt-free, for the headless driver.
#include <filesystem>

#include "ui/window.h"

namespace ui::qt {

// Renders the window offscreen into a PNG file; makes an offscreen Qt application when the
// program has none. False when the file cannot be written.
bool SaveWindowPng(const Window& window, const std::filesystem::path& file);

}  // namespace ui::qt
