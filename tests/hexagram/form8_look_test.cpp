// The captions of the hexagram window's labels and option buttons show whole in the font the Qt
// front draws them with: a label's text fits its box on one line, an option's indicator and
// caption fit the option's width.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRadioButton>
#include <QStyle>
#include <QTextLayout>

#include "app/register_windows.h"
#include "support/qt_app.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/qt/label_widget.h"
#include "ui/qt/qt_look.h"

namespace qm::hexagram {
namespace {

TEST(Form8Look, EveryCaptionFitsItsControlInTheFontDrawn) {
  test::EnsureQtApplication();
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  app::StartProgram(program);
  program.RunEvent([&] { program.windows.Get("form1").Click("Option1"); });
  const ui::Window& window = program.windows.Get("Form8");
  for (const ui::Control& control : window.Controls()) {
    const QString text = QString::fromStdString(control.text);
    const QFont font = ui::qt::QtFont(control.font);
    const QRect box = ui::qt::PixelRect(control);
    SCOPED_TRACE(control.name);
    if (control.kind == ui::ControlKind::Label) {
      QTextLayout layout(text, font);
      ui::qt::LayOutLabel(layout, box.width());
      EXPECT_EQ(layout.lineCount(), 1);
      EXPECT_LE(layout.lineAt(0).naturalTextWidth(), box.width());
    } else if (control.kind == ui::ControlKind::OptionButton) {
      QRadioButton option;
      const QStyle& style = *option.style();
      const double drawn = style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &option) +
                           style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &option) +
                           QFontMetricsF(font).horizontalAdvance(text);
      EXPECT_LE(drawn, box.width());
    }
  }
}

}  // namespace
}  // namespace qm::hexagram
