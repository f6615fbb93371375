#pragma once
// A window's client area as an image or a printed page: its drawing and its visible controls,
// rendered as the Qt front shows them or prints them. Qt-free, for the headless driver.
#include <filesystem>

#include "ui/window.h"

namespace ui::qt {

// Renders the window offscreen into a PNG file; makes an offscreen Qt application when the
// program has none. False when the file cannot be written.
bool SaveWindowPng(const Window& window, const std::filesystem::path& file);

// Prints the window as the print button prints it, on the same one page, into a PDF file
// instead of the default printer; makes an offscreen Qt application when the program has none.
// False when the file cannot be written.
bool SaveWindowPdf(const Window& window, const std::filesystem::path& file);

}  // namespace ui::qt
