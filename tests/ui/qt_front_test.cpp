// The Qt front offscreen: the windows Qt reports as activated while and after an event never
// run an activate step twice, and a closed window loses its widget.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <memory>

#include "support/qt_app.h"
#include "ui/control_builders.h"
#include "ui/program.h"
#include "ui/qt/qt_front.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/window_widget.h"
#include "ui/window_protocol.h"

namespace {

class CountingWindow : public ui::Window {
 public:
  CountingWindow(ui::Program& program, std::string name) : ui::Window(program, std::move(name)) {
    clientWidth = 3000;
    clientHeight = 2000;
  }
  void Form_Load() override { ui::ShowInPlaceOfStart(*this); }
  void Form_Activate() override { ++activations; }
  int activations = 0;
};

using qm::test::EnsureQtApplication;

// A start screen and one chart window, each counting its activations.
void RegisterCountingWindows(ui::Program& program) {
  for (const char* name : {"form1", "Form2"})
    program.windows.Register(
        name, [name](ui::Program& p) { return std::make_unique<CountingWindow>(p, name); });
}

// The start screen shown as the program shows it first: settled, then brought to the screen.
void ShowStartScreen(ui::Program& program, ui::qt::QtFront& front) {
  program.windows.Show(program.windows.Get("form1"));
  program.windows.Settle();
  front.Sync();
}

int VisibleTopLevels() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) count += w->isVisible();
  return count;
}

TEST(QtFront, ShowsTheShownWindowsAndRunsEachActivationOnce) {
  EnsureQtApplication();
  ui::qt::QtPlatform platform;
  ui::Program program(platform);
  RegisterCountingWindows(program);
  {
    ui::qt::QtFront front(program, platform);
    ShowStartScreen(program, front);
    QApplication::processEvents();
    auto& start = program.windows.Get<CountingWindow>("form1");
    EXPECT_EQ(start.activations, 1);
    EXPECT_EQ(VisibleTopLevels(), 1);

    program.RunEvent([&] { ui::OpenChartWindow(program, "Form2"); });
    front.Sync();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    auto& chart = program.windows.Get<CountingWindow>("Form2");
    EXPECT_EQ(chart.activations, 1);
    EXPECT_EQ(start.activations, 1);
    EXPECT_EQ(VisibleTopLevels(), 1);

    program.RunEvent([&] { ui::ReturnToStart(chart); });
    front.Sync();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_EQ(program.windows.Loaded("Form2"), nullptr);
    EXPECT_EQ(start.activations, 2);
    EXPECT_EQ(VisibleTopLevels(), 1);
  }
  QApplication::processEvents();
  EXPECT_EQ(VisibleTopLevels(), 0);
}

}  // namespace

namespace {

// A list whose text is wider than its box shows the text's beginning, set by the program or
// picked by the user, as the line lists of the hexagram window need ("Ｏ 老陽", not ") 老陽").
// A window holding one editable list, shown through the Qt front.
struct OneListWindow {
  OneListWindow(std::string text, std::vector<std::string> items, ui::Place at, ui::Font font)
      : list(window.Add(ui::MakeControl("list", ui::ControlKind::ComboBox, std::move(text), at,
                                        std::move(font), ui::kWhite))) {
    list.items = std::move(items);
    widget.SyncFromModel();
    combo = widget.findChild<QComboBox*>();
  }
  ui::qt::QtPlatform platform;
  ui::Program program{platform};
  CountingWindow window{program, "OneList"};
  ui::Control& list;
  ui::qt::WindowWidget widget{window};
  QComboBox* combo = nullptr;
};

TEST(QtFront, ANarrowListShowsTheBeginningOfItsText) {
  EnsureQtApplication();
  OneListWindow one("Ｏ 老陽", {"─ 少陽", "Ｏ 老陽", "-- 少陰", "Ｘ 老陰 老陰 老陰"},
                    {0, 0, 975, 300}, {"新細明體", 9.75});
  QComboBox* combo = one.combo;
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
  combo->setCurrentIndex(3);
  emit combo->activated(3);
  EXPECT_EQ(combo->currentText().toStdString(), "Ｘ 老陰 老陰 老陰");
  EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
}

}  // namespace

namespace {

// What the user types into a list is the text the program reads: a typed year 11 stays 11, even
// where the list holds items beginning with it ("110 (2021)"), as the hexagram window's year
// list does. Completing it to an item would draw the chart of another year without a word.
TEST(QtFront, ATypedTextIsNotCompletedToAnItem) {
  EnsureQtApplication();
  OneListWindow one("民國/西元", {"73 (1984)", "90 (2001)", "100 (2011)", "110 (2021)"},
                    {0, 0, 1335, 315}, {"細明體", 9.75});
  QComboBox* combo = one.combo;
  ASSERT_NE(combo, nullptr);
  one.widget.show();
  one.widget.activateWindow();
  QLineEdit* edit = combo->lineEdit();
  edit->setFocus();
  QApplication::processEvents();
  edit->selectAll();
  for (QChar digit : {QChar('1'), QChar('1')}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QString(digit));
    QApplication::sendEvent(edit, &press);
  }
  EXPECT_EQ(edit->text().toStdString(), "11");
  EXPECT_EQ(one.list.text, "11");
}

}  // namespace

namespace {

// The widget that shows the window, among the application's windows.
QWidget* WidgetOf(const ui::Window& window) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* shown = dynamic_cast<ui::qt::WindowWidget*>(w); shown && shown->window() == &window)
      return shown;
  return nullptr;
}

// A window opens where the start screen stands; where it would reach past the right or bottom
// edge of the screen, it ends at that edge instead, so that the whole of it lies on the screen.
TEST(QtFront, AWindowOpensWhereTheStartScreenStandsWholeOnTheScreen) {
  EnsureQtApplication();
  ui::qt::QtPlatform platform;
  ui::Program program(platform);
  RegisterCountingWindows(program);
  ui::qt::QtFront front(program, platform);
  ui::Window& start = program.windows.Get("form1");
  ShowStartScreen(program, front);
  QWidget* startWidget = WidgetOf(start);
  ASSERT_NE(startWidget, nullptr);
  const QRect area = startWidget->screen()->availableGeometry();
  struct Case {
    QPoint start;
    bool atRight, atBottom;
  };
  const Case cases[] = {
      {area.topLeft() + QPoint(40, 30), false, false},
      {area.bottomRight() - QPoint(50, 40), true, true},
      {area.topLeft() + QPoint(60, area.height() - 20), false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("start at " + std::to_string(c.start.x()) + "," + std::to_string(c.start.y()));
    startWidget->move(c.start);
    program.RunEvent([&] { ui::OpenChartWindow(program, "Form2"); });
    front.Sync();
    QApplication::processEvents();
    ui::Window& chart = program.windows.Get("Form2");
    QWidget* chartWidget = WidgetOf(chart);
    ASSERT_NE(chartWidget, nullptr);
    const QRect frame = chartWidget->frameGeometry();
    EXPECT_TRUE(area.contains(frame));
    EXPECT_EQ(c.atRight ? frame.right() : frame.left(), c.atRight ? area.right() : c.start.x());
    EXPECT_EQ(c.atBottom ? frame.bottom() : frame.top(), c.atBottom ? area.bottom() : c.start.y());
    program.RunEvent([&] { ui::ReturnToStart(chart); });
    front.Sync();
    QApplication::processEvents();
  }
}

}  // namespace
