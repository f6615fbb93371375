#pragma once

namespace ui::qt {

// 細明體 and 新細明體 are shown in "AR PL UMing TW", 標楷體 in "AR PL UKai TW" (Debian's
// fonts-arphic-uming and fonts-arphic-ukai). Needs the Qt application; safe to call twice.
void InstallFontSubstitutions();

}  // namespace ui::qt
