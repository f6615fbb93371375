#include "ui/qt/fonts.h"

#include <array>
#include <string_view>
#include <utility>

#include "ui/qt/qt_look.h"

namespace ui::qt {

QString FamilyOf(const std::string& name) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kFamilies = {{
      {"細明體", "AR PL UMing TW"},
      {"新細明體", "AR PL UMing TW"},
      {"標楷體", "AR PL UKai TW"},
  }};
  for (const auto& [windows, family] : kFamilies)
    if (name == windows) return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
  return QString::fromStdString(name);
}

QFont MessageFont() { return QtFont(Font{"新細明體", 9}); }

}  // namespace ui::qt
