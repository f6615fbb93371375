#include "ui/qt/fonts.h"

#include <QFont>
#include <QString>

namespace ui::qt {

void InstallFontSubstitutions() {
  static const bool installed = [] {
    QFont::insertSubstitution(QStringLiteral("細明體"), QStringLiteral("AR PL UMing TW"));
    QFont::insertSubstitution(QStringLiteral("新細明體"), QStringLiteral("AR PL UMing TW"));
    QFont::insertSubstitution(QStringLiteral("標楷體"), QStringLiteral("AR PL UKai TW"));
    return true;
  }();
  (void)installed;
}

}  // namespace ui::qt
