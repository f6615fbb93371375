#include "ui/qt/qt_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui::qt {

bool UseChineseQtTexts() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_zh_TW"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

}  // namespace ui::qt
