#pragma once
// The fonts of this machine that show the fonts the windows name. Qt-only.
#include <QFont>
#include <QString>
#include <string>

namespace ui::qt {

// 細明體 and 新細明體 are shown in "AR PL UMing TW", 標楷體 in "AR PL UKai TW" (Debian's
// fonts-arphic-uming and fonts-arphic-ukai); any other name stands as it is. The family is named
// directly, not through a substitution of the Chinese name: a name that Qt does not know sends
// digits and Latin letters to another font, while these fonts have glyphs of their own for them.
QString FamilyOf(const std::string& name);

// The font of the program's message boxes: the text and the button in the font of the windows.
QFont MessageFont();

}  // namespace ui::qt
