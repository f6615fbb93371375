// One font for a whole text: the fonts the windows name draw their digits and Latin letters with
// their own glyphs, and the message boxes speak in the same font with the button "確定".
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QMessageBox>
#include <QRawFont>
#include <QTextLayout>
#include <QTimer>

#include "support/qt_app.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_look.h"
#include "ui/qt/qt_platform.h"

namespace {

using qm::test::EnsureQtApplication;

// The families of the glyphs that draw the text, in order, each once per run.
QStringList GlyphFamilies(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  QStringList families;
  for (const QGlyphRun& run : layout.glyphRuns()) families << run.rawFont().familyName();
  return families;
}

const QString kMixed = QStringLiteral("陽曆73/5/12 8:30生 Quillmere (1984) -0.5");

TEST(QtFonts, EachFontOfTheWindowsDrawsDigitsAndLettersWithItsOwnGlyphs) {
  EnsureQtApplication();
  const std::pair<const char*, const char*> fonts[] = {
      {"細明體", "AR PL UMing TW"}, {"新細明體", "AR PL UMing TW"}, {"標楷體", "AR PL UKai TW"}};
  for (const auto& [name, family] : fonts) {
    const QFont font = ui::qt::QtFont(ui::Font{name, 11.25});
    EXPECT_EQ(QFontInfo(font).family(), family) << name;
    EXPECT_EQ(GlyphFamilies(font, kMixed), QStringList{family}) << name;
  }
}

TEST(QtFonts, AMessageBoxSaysItsTextInTheWindowsFontWithTheButton確定) {
  EnsureQtApplication();
  ui::qt::QtPlatform platform;
  QStringList buttons;
  QString title, text, labelFamily;
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (!box || !box->isVisible()) continue;
      title = box->windowTitle();
      text = box->text();
      for (QAbstractButton* button : box->buttons()) buttons << button->text();
      for (QLabel* label : box->findChildren<QLabel*>())
        if (label->text() == box->text()) labelFamily = QFontInfo(label->font()).family();
      box->done(QMessageBox::Ok);
    }
  });
  platform.MsgBox("超出曆表範圍（民國1年至120年）", "Quillmere 八字排盤程式");
  EXPECT_EQ(title, QStringLiteral("Quillmere 八字排盤程式"));
  EXPECT_EQ(text, QStringLiteral("超出曆表範圍（民國1年至120年）"));
  EXPECT_EQ(buttons, QStringList{QStringLiteral("確定")});
  EXPECT_EQ(labelFamily, "AR PL UMing TW");
  EXPECT_EQ(GlyphFamilies(ui::qt::MessageFont(), text), QStringList{"AR PL UMing TW"});
}

}  // namespace

namespace {

TEST(QtFonts, BoldAndItalicOfAWindowsFontReachTheFontDrawn) {
  EnsureQtApplication();
  for (bool bold : {false, true})
    for (bool italic : {false, true}) {
      const QFont font = ui::qt::QtFont(ui::Font{"標楷體", 11.25, bold, italic});
      EXPECT_EQ(font.bold(), bold);
      EXPECT_EQ(font.italic(), italic);
    }
}

}  // namespace
