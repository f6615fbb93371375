// Qt's own words (the menu of a text box) in Traditional Chinese, as every other text of the
// program.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>

#include "support/qt_app.h"
#include "ui/qt/qt_language.h"

namespace {

TEST(QtLanguage, TheMenuOfATextBoxSpeaksTraditionalChinese) {
  qm::test::EnsureQtApplication();
  ASSERT_TRUE(ui::qt::UseChineseQtTexts());
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("復原(&U)"));
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("貼上(&P)"));
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("全部選擇"));
}

}  // namespace
