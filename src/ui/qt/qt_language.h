#pragma once
// The words Qt itself shows (the menu of a text box: undo, copy, paste ...). Qt-only.

namespace ui::qt {

// Qt's own texts in Traditional Chinese, as the rest of the program speaks; false when this
// machine has no such translation, and Qt's texts then stay as they are.
bool UseChineseQtTexts();

}  // namespace ui::qt
