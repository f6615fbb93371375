// The Qt front's image of a window, offscreen: the start screen rendered to a PNG shows its
// background, its controls and their texts.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <set>
#include <unistd.h>

#include "app/register_windows.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/qt/window_image.h"

namespace {

TEST(QtImage, TheStartScreenRendersToAPngThatIsNotBlank) {
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  qm::app::StartProgram(program);
  const auto file = std::filesystem::temp_directory_path() /
                    ("qm_form1_" + std::to_string(::getpid()) + ".png");
  ASSERT_TRUE(ui::qt::SaveWindowPng(program.windows.Get("form1"), file));
  QImage image(QString::fromStdString(file.string()));
  std::filesystem::remove(file);
  ASSERT_FALSE(image.isNull());
  // 11880 x 8670 twips at 15 twips a pixel.
  EXPECT_EQ(image.width(), 792);
  EXPECT_EQ(image.height(), 578);
  // The screen's colour &H00C0FFFF (red FF, green FF, blue C0) at a corner with no control.
  EXPECT_EQ(image.pixelColor(780, 570), QColor(0xFF, 0xFF, 0xC0));
  // The yellow quit button (&H0000FFFF) beside its text, shaded as the style draws buttons.
  QColor quit = image.pixelColor(8880 / 15 + 6, (7920 + 615 / 2) / 15);
  EXPECT_GT(quit.red(), 200);
  EXPECT_GT(quit.green(), 200);
  EXPECT_LT(quit.blue(), 150);
  // The hexagram option's pink &H00FFC0FF (red FF, green C0, blue FF) above its indicator.
  EXPECT_EQ(image.pixelColor(480 / 15 + 2, 7920 / 15 + 2), QColor(0xFF, 0xC0, 0xFF));
  // Dark text somewhere: many colours, not a flat fill.
  std::set<QRgb> colours;
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QColor c = image.pixelColor(x, y);
      colours.insert(c.rgb());
      dark += c.lightness() < 80;
    }
  EXPECT_GT(colours.size(), 20u);
  EXPECT_GT(dark, 2000);
}

}  // namespace
