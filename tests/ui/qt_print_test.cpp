// A window printed into a PDF through the print page: one page, turned to the window's shape,
// filled by the window with its proportions kept, its texts as texts, its colours as on the
// screen and the job named after the program and the window.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "support/qt_app.h"
#include "ui/control_builders.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/qt/window_image.h"

namespace {

namespace fs = std::filesystem;

constexpr ui::Colour kPaleYellow = 0xC0FFFF;  // &H00C0FFFF: red FF, green FF, blue C0

// A window of the given client size in twips: a background colour, a drawn text and a label.
class PageWindow : public ui::Window {
 public:
  PageWindow(ui::Program& program, int width, int height) : ui::Window(program, "Form2") {
    clientWidth = width;
    clientHeight = height;
    backColor = kPaleYellow;
    canvas.font.size = 15;
    canvas.PrintAt(0.1, 0.5, "甲子乙丑");
    Add(ui::Label("Label2", "八字排盤", {240, 240, 1500, 300}, ui::Font{}, kPaleYellow));
  }
};

// Standard output of a shell command; empty when it cannot run.
std::string Output(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  if (!pipe) return text;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;)
    text.append(buffer.data(), n);
  return text;
}

// The value of one "Name: value" line of pdfinfo.
std::string InfoField(const std::string& info, const std::string& name) {
  std::size_t at = info.find(name + ":");
  if (at == std::string::npos) return "";
  std::size_t from = info.find_first_not_of(' ', at + name.size() + 1);
  return info.substr(from, info.find('\n', from) - from);
}

// The smallest rectangle holding every pixel that is not white paper.
QRect InkedArea(const QImage& page) {
  QRect area;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixelColor(x, y).lightness() < 250) area |= QRect(x, y, 1, 1);
  return area;
}

class QtPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    qm::test::EnsureQtApplication();
    if (Output("command -v pdfinfo pdftotext pdftoppm pdfimages").empty())
      GTEST_FAIL() << "poppler-utils (pdfinfo, pdftotext, pdftoppm, pdfimages) is needed";
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Prints a window of the size into a PDF and returns the file.
  std::string Print(int width, int height) {
    PageWindow window(program_, width, height);
    fs::create_directories(folder_);
    const fs::path file = folder_ / "page.pdf";
    EXPECT_TRUE(ui::qt::SaveWindowPdf(window, file));
    return file.string();
  }
  // The page rendered at 36 dots an inch.
  QImage Render(const std::string& pdf) {
    const std::string png = (folder_ / "page").string();
    Output("pdftoppm -r 36 -png -singlefile '" + pdf + "' '" + png + "'");
    return QImage(QString::fromStdString(png + ".png"));
  }

  ui::HeadlessPlatform platform_;
  ui::Program program_{platform_};
  fs::path folder_ = fs::temp_directory_path() / ("qm_print_" + std::to_string(::getpid()));
};

struct Shape {
  int width, height;  // twips
  bool landscape;
};

class QtPrintShape : public QtPrint, public ::testing::WithParamInterface<Shape> {};

TEST_P(QtPrintShape, FillsOnePageTurnedToTheWindowWithItsTextsAsText) {
  const Shape shape = GetParam();
  const std::string pdf = Print(shape.width, shape.height);
  const std::string info = Output("pdfinfo '" + pdf + "'");
  EXPECT_EQ(InfoField(info, "Pages"), "1");

  const QImage page = Render(pdf);
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.width() > page.height(), shape.landscape) << page.width() << "x" << page.height();

  // The window fills the page but for a margin of at most 12 mm (17 dots) at its narrow
  // sides, its proportions kept, centred between the other two.
  const QRect inked = InkedArea(page);
  const double ratio = static_cast<double>(shape.width) / shape.height;
  const double pageRatio = static_cast<double>(page.width()) / page.height();
  const int spanned = ratio > pageRatio ? inked.width() : inked.height();
  const int room = ratio > pageRatio ? page.width() : page.height();
  EXPECT_GE(spanned, room - 2 * 17) << "inked " << inked.width() << "x" << inked.height();
  EXPECT_NEAR(static_cast<double>(inked.width()) / inked.height(), ratio, 0.02 * ratio);
  EXPECT_NEAR(inked.left(), page.width() - 1 - inked.right(), 2);
  EXPECT_NEAR(inked.top(), page.height() - 1 - inked.bottom(), 2);

  // The window's colour, not a shade of it, fills the page's middle.
  const QColor middle = page.pixelColor(page.width() / 2, page.height() * 3 / 4);
  EXPECT_EQ(middle, QColor(0xFF, 0xFF, 0xC0));

  // The drawn text and the label's caption are text, and nothing is a picture.
  const std::string text = Output("pdftotext '" + pdf + "' -");
  EXPECT_NE(text.find("甲子乙丑"), std::string::npos) << text;
  EXPECT_NE(text.find("八字排盤"), std::string::npos) << text;
  const std::string images = Output("pdfimages -list '" + pdf + "'");
  EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;  // its heading only
}

INSTANTIATE_TEST_SUITE_P(Shapes, QtPrintShape,
                         ::testing::Values(Shape{6000, 3000, true}, Shape{3000, 6000, false},
                                           Shape{11880, 8511, true}));

TEST_F(QtPrint, NamesTheJobAfterTheProgramAndTheWindow) {
  const std::string info = Output("pdfinfo '" + Print(6000, 3000) + "'");
  EXPECT_EQ(InfoField(info, "Title"), "Quillmere 八字排盤程式 Form2");
}

}  // namespace
