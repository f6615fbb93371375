// No two texts of a chart run into each other and none leaves its window: every chart window,
// drawn for the records of the golden scripts, for records chosen for the rare cases and for a
// seeded set of random ones, its texts measured in the font and at the points where the Qt
// front paints them.
//
// A drawn text is measured as its inked runs (the characters between blanks), a label as the
// lines it lays its caption out in; each is boxed around the outlines of its glyphs. Two collide
// when one reaches more than 3 px into the other: when the shortest move across or down that
// would part their boxes is longer than that. The ink is measured, not the character cells, so
// that a thin stroke counts as far as it really runs into a character ("│" through the middle of
// 乙 runs about 6 px in), and a row of box characters, whose strokes join, is not a collision.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainterPath>
#include <QRectF>
#include <QTextLayout>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/register_windows.h"
#include "base/names.h"
#include "base/utf8.h"
#include "calendar/calendar.h"
#include "support/qt_app.h"
#include "support/temp_folder.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/qt/canvas_painter.h"
#include "ui/qt/fonts.h"
#include "ui/qt/label_widget.h"
#include "ui/qt/qt_look.h"
#include "ui/qt/text_ink.h"

namespace {

constexpr double kTouch = 3;  // px: texts that reach no further into each other only touch

// One piece of ink on a window: a run of a drawn text, or a line of a label's caption.
struct Ink {
  const ui::DrawItem* item = nullptr;   // the drawn text
  const ui::Control* label = nullptr;  // or the label
  QString text;
  QRectF box;
};

// How far two boxes reach into each other: the shortest move across or down that parts them.
double Depth(const QRectF& a, const QRectF& b) {
  auto along = [](double a0, double a1, double b0, double b1) {
    return std::max(0.0, std::min(a1 - b0, b1 - a0));
  };
  return std::min(along(a.left(), a.right(), b.left(), b.right()),
                  along(a.top(), a.bottom(), b.top(), b.bottom()));
}

// Whether two boxes of ink share a pixel or lie in neighbouring pixels, no background between.
bool Borders(const QRectF& a, const QRectF& b) {
  return a.toAlignedRect().adjusted(-1, -1, 1, 1).intersects(b.toAlignedRect());
}

// ---------------------------------------------------------------------------------------------
// The texts that the charts write over one another on purpose.

bool IsText(const Ink& i) { return i.item != nullptr; }
// Box-drawing characters (U+2500 to U+257F) join and cross one another to draw a frame.
bool IsFrame(const Ink& i) {
  return IsText(i) && std::all_of(i.text.begin(), i.text.end(), [](QChar c) {
           return c.unicode() >= 0x2500 && c.unicode() <= 0x257F;
         });
}
// The hexagram chart's marks 沖 空 破 進 退 stand on the arrow of a moving line.
bool IsLineMark(const Ink& i) {
  return IsText(i) && i.text.size() == 1 && QStringLiteral("沖空破進退").contains(i.text);
}
bool IsArrow(const Ink& i) { return IsText(i) && i.item->text == "--------------->"; }
// The luck window's relation lines 21 to 23 (x 23, rows 22 to 24) stand on the luck pillars;
// a luck pillar's stem or branch at x 23 is one character, a relation line more.
bool IsLowRelationLine(const Ink& i) {
  return IsText(i) && i.item->x1 == 23 && i.item->y1 >= 22 && qm::CharCount(i.item->text) > 1;
}
bool OnLuckRows(const Ink& i) { return IsText(i) && i.item->y1 >= 22 && i.item->y1 <= 24; }

struct Overwrite {
  std::string_view window;
  bool (*over)(const Ink&);
  bool (*under)(const Ink&);
};

constexpr Overwrite kOverwrites[] = {
    {"Form8", IsLineMark, IsArrow},
    {"Form3", IsLowRelationLine, OnLuckRows},
};

bool Intended(std::string_view window, const Ink& a, const Ink& b) {
  if (IsFrame(a) && IsFrame(b)) return true;
  if (!IsText(a) || !IsText(b) || a.item->y1 != b.item->y1) return false;
  return std::any_of(std::begin(kOverwrites), std::end(kOverwrites), [&](const Overwrite& o) {
    return o.window == window && ((o.over(a) && o.under(b)) || (o.over(b) && o.under(a)));
  });
}

// ---------------------------------------------------------------------------------------------
// Measuring a window.

std::string Describe(const Ink& i) {
  std::ostringstream out;
  if (!IsText(i)) {
    out << "label " << i.label->name << " \"" << i.text.toStdString() << "\"";
    return out.str();
  }
  out << "(" << i.item->x1 << ", " << i.item->y1 << ") \"" << i.item->text << "\"";
  if (i.text.toStdString() != i.item->text) out << " at \"" << i.text.toStdString() << "\"";
  return out.str();
}

// The ink of each line of a label, laid out and placed as the label draws it.
void AddLabelInk(const ui::Control& label, std::vector<Ink>& inks) {
  const QFont font = ui::qt::QtFont(label.font);
  const QString caption = QString::fromStdString(label.text);
  QTextLayout layout(caption, font);
  ui::qt::LayOutLabel(layout, ui::qt::Pixels(label.width));
  const QPointF corner = ui::qt::PixelRect(label).topLeft();
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const QString shown = caption.mid(line.textStart(), line.textLength()).trimmed();
    QPainterPath outline;
    outline.addText(corner + line.position() + QPointF(0, line.ascent()), font, shown);
    if (!outline.isEmpty()) inks.push_back({nullptr, &label, shown, outline.boundingRect()});
  }
}

std::vector<Ink> InksOf(const ui::Window& window, QSizeF size) {
  std::vector<Ink> inks;
  for (const ui::DrawItem& item : window.canvas.Items())
    if (item.kind == ui::DrawItem::Kind::Text)
      for (const ui::qt::InkedRun& run : ui::qt::InkedRuns(item, size))
        inks.push_back({&item, nullptr, run.text, run.ink});
  for (const ui::Control& control : window.Controls())
    if (control.kind == ui::ControlKind::Label && control.visible) AddLabelInk(control, inks);
  return inks;
}

// Where the pen of each line and box of the drawing puts ink: a box as its four sides.
std::vector<QRectF> PensOf(const ui::Canvas& canvas, QSizeF size) {
  std::vector<QRectF> pens;
  auto add = [&](const ui::DrawItem& item, QPointF from, QPointF to) {
    const double half = std::max(item.width, 1) / 2.0;
    pens.push_back(QRectF(from, to).normalized().adjusted(-half, -half, half, half));
  };
  for (const ui::DrawItem& item : canvas.Items()) {
    const QPointF a = ui::qt::PixelPoint(item.scale, item.x1, item.y1, size);
    const QPointF b = ui::qt::PixelPoint(item.scale, item.x2, item.y2, size);
    const QPointF ab(b.x(), a.y()), ba(a.x(), b.y());
    if (item.kind == ui::DrawItem::Kind::Line) add(item, a, b);
    if (item.kind == ui::DrawItem::Kind::Box)
      for (auto [from, to] : {std::pair{a, ab}, {a, ba}, {ab, b}, {ba, b}}) add(item, from, to);
  }
  return pens;
}

// What is wrong with the texts of a window as it stands: two texts that run into each other, a
// text that leaves the client area, a label that stands on a line or box of the drawing (a label
// paints over the drawing: its ink keeps a pixel of background from every line).
std::vector<std::string> Faults(const ui::Window& window) {
  const QSizeF size(ui::qt::Pixels(window.clientWidth), ui::qt::Pixels(window.clientHeight));
  const QRectF client(QPointF(0, 0), size);
  const std::vector<Ink> inks = InksOf(window, size);
  const std::vector<QRectF> pens = PensOf(window.canvas, size);
  std::vector<std::string> faults;
  for (std::size_t i = 0; i < inks.size(); ++i) {
    if (!client.contains(inks[i].box))
      faults.push_back(Describe(inks[i]) + " leaves the client area");
    for (std::size_t j = i + 1; j < inks.size(); ++j) {
      const double depth = Depth(inks[i].box, inks[j].box);
      if (depth > kTouch && !Intended(window.Name(), inks[i], inks[j]))
        faults.push_back(Describe(inks[i]) + " and " + Describe(inks[j]) + " run " +
                         std::to_string(static_cast<int>(depth + 0.5)) + " px into each other");
    }
    auto borders = [&](const QRectF& pen) { return Borders(inks[i].box, pen); };
    if (!IsText(inks[i]) && std::any_of(pens.begin(), pens.end(), borders))
      faults.push_back(Describe(inks[i]) + " stands on a line of the drawing");
  }
  return faults;
}

// ---------------------------------------------------------------------------------------------
// The charts: the whole program on the headless platform, worked through the start screen.

struct Birth {
  int year, month, day, hour, minute;
  bool male, special;
  // A birth in a lunar leap month, entered as a lunar date: `month` is the month it follows.
  bool leap = false;
};

struct Date {
  int year, month, day;  // RocYear
};

struct Entered {
  int stems[4], branches[4];  // year, month, day, hour
  bool male;
  std::string startAge;
};

struct Divination {
  Date date;
  int hour, minute;
  int lines[6];  // the line lists' items 0..3, line 1 first
};

const char* const kLineLists[] = {"初爻", "二爻", "三爻", "四爻", "五爻", "六爻"};
const char* const kLineItems[] = {"─ 少陽", "Ｏ 老陽", "-- 少陰", "Ｘ 老陰"};

class ChartCheck {
 public:
  ChartCheck() : folder_("collide"), program_(platform_) {
    folder_.CopyAllData();
    qm::app::StartProgram(program_);
  }

  // Every chart of a birth: the natal chart (which writes BIGFOR), the fortune curve from it
  // widened to the whole life, the luck window on `today` and the combined chart.
  void CheckBirth(const Birth& b, const Date& today, const std::string& label) {
    SetToday(today);
    Set("form1", "SUNMOON", b.leap ? "陰曆(農曆)" : "陽曆(國曆)");
    Set("form1", "LU", b.leap ? "是" : "否");
    Set("form1", "曆年", std::to_string(b.year));
    Set("form1", "曆月", std::to_string(b.month));
    Set("form1", "曆日", std::to_string(b.day));
    Set("form1", "曆時", std::to_string(b.hour));
    Set("form1", "曆分", std::to_string(b.minute));
    Set("form1", "SEX", b.male ? "男" : "女");
    Set("form1", "specialfate", b.special ? "是" : "否");
    Set("form1", "newname", "rec");
    if (!Opens("Command2", "Form2", label)) return;
    Check("Form2", label);
    Click("Form2", "cmd_return1");
    CheckWidenedCurve(label);
    Set("form1", "oldname", "rec");
    if (Opens("Command3", "Form3", label)) {
      Check("Form3", label);
      Click("Form3", "cmd_return31");
    }
    if (Opens("Command5", "Form7", label)) {
      Check("Form7", label);
      Click("Form7", "cmd_return1");
    }
  }

  // The chart of entered pillars, then the fortune curve from the luck record it writes.
  void CheckEntered(const Entered& e, const std::string& label) {
    const char* const lists[4][2] = {
        {"古年干", "古年支"}, {"古月干", "古月支"}, {"古日干", "古日支"}, {"古時干", "古時支"}};
    for (int k = 0; k < 4; ++k) {
      Set("form1", lists[k][0], std::string(qm::kStemNames[e.stems[k]]));
      Set("form1", lists[k][1], std::string(qm::kBranchNames[e.branches[k]]));
    }
    Set("form1", "性別", e.male ? "男" : "女");
    Set("form1", "幾歲運", e.startAge);
    if (!Opens("Command4", "Form6", label)) return;
    Check("Form6", label);
    Click("Form6", "cmd_return1");
    CheckWidenedCurve(label);
  }

  // A hexagram for a typed date, opened from the start screen and left again.
  void CheckDivination(const Divination& d, const std::string& label) {
    if (!Opens("Option1", "Form8", label)) return;
    Click("Form8", "Option2");
    for (int k = 0; k < 6; ++k) Set("Form8", kLineLists[k], kLineItems[d.lines[k]]);
    Set("Form8", "曆年", std::to_string(d.date.year));
    Set("Form8", "曆月", std::to_string(d.date.month));
    Set("Form8", "曆日", std::to_string(d.date.day));
    Set("Form8", "曆時", std::to_string(d.hour));
    Set("Form8", "曆分", std::to_string(d.minute));
    Set("Form8", "newname", "hex");
    Click("Form8", "Command2");
    Check("Form8", label);
    Click("Form8", "Option5");
  }

  // A hexagram on the current time, as the golden script draws it.
  void CheckCurrentDivination(const int (&lines)[6], const std::string& label) {
    if (!Opens("Option1", "Form8", label)) return;
    for (int k = 0; k < 6; ++k) Set("Form8", kLineLists[k], kLineItems[lines[k]]);
    Click("Form8", "Command1");
    Check("Form8", label);
    Click("Form8", "Option5");
  }

  // The clock at 15:07:05 on a day.
  void SetToday(const Date& d) {
    platform_.date = std::to_string(d.year + 1911) + "/" + std::to_string(d.month) + "/" +
                     std::to_string(d.day);
    platform_.time = "下午 03:07:05";
  }
  void Set(const std::string& window, const std::string& control, const std::string& text) {
    program_.windows.Get(window).C(control).text = text;
  }

  std::vector<std::string> faults;
  std::set<std::string> seen;  // the rare cases the charts showed

 private:
  // The fortune curve from the luck record just written, then widened five years on each side
  // at a time until it spans the whole life (ages 1 to 100).
  void CheckWidenedCurve(const std::string& label) {
    if (!Opens("Command運勢圖", "FORM4", label)) return;
    for (int widened = 0; widened <= 10; ++widened) {
      Check("FORM4", label + " widened " + std::to_string(widened));
      Click("FORM4", "Command25");
    }
    Click("FORM4", "cmd_return41");
  }

  bool Opens(const std::string& button, const std::string& window, const std::string& label) {
    platform_.messages.clear();
    Click("form1", button);
    if (program_.windows.IsVisible(program_.windows.Get(window))) return true;
    std::string said;
    for (const auto& m : platform_.messages) said += " " + m.text;
    faults.push_back(window + " " + label + ": did not open:" + said);
    return false;
  }

  void Check(const std::string& name, const std::string& label) {
    const ui::Window& window = program_.windows.Get(name);
    for (const std::string& fault : Faults(window))
      faults.push_back(name + " " + label + ": " + fault);
    Note(name, window.canvas);
  }

  // The most characters of a text drawn at a place (0: none drawn there).
  std::size_t CharsAt(const ui::Canvas& canvas, double x, double y) {
    std::size_t most = 0;
    for (const ui::DrawItem& item : canvas.Items())
      if (item.kind == ui::DrawItem::Kind::Text && item.x1 == x && item.y1 == y)
        most = std::max(most, qm::CharCount(item.text));
    return most;
  }

  // A row of the hexagram chart with a mark 沖 空 破 進 or 退 of a primary or changed line.
  bool MarkedRow(const ui::Canvas& canvas, double y) {
    const double kMarkXs[] = {40.5, 42.1, 43.7, 45.3, 46.9, 48.5, 50.1};
    return std::any_of(std::begin(kMarkXs), std::end(kMarkXs),
                       [&](double x) { return CharsAt(canvas, x, y) > 0; });
  }

  void Note(const std::string& name, const ui::Canvas& canvas) {
    auto note = [&](bool shown, const char* what) {
      if (shown) seen.insert(name + " " + what);
    };
    if (name == "Form3") {
      // The longest "生於" line: two distances of four characters, as 生於立夏前16.1日清明後14.5日.
      note(CharsAt(canvas, 23, 19) > 1 && CharsAt(canvas, 1, 19) == 19,
           "relation line 18 beside the longest 生於 line");
      note(CharsAt(canvas, 23, 21) > 1 && CharsAt(canvas, 16, 21) > 0,
           "relation line 20 beside (作十歲)");
      note(CharsAt(canvas, 23, 24) > 1, "relation line 23 over the luck rows");
    }
    for (const ui::DrawItem& item : canvas.Items()) {
      if (item.kind != ui::DrawItem::Kind::Text) continue;
      note(name == "Form7" && item.text.ends_with(" 閏月"), "leap month");
      note(name == "Form8" && item.text == "(閏)", "leap month");
      note(name == "Form8" && item.text == "--------------->" && MarkedRow(canvas, item.y1),
           "marks over an arrow");
      note(name == "FORM4" && item.text == "流年( 1 - 100 )歲", "ages 1 to 100");
    }
  }

  void Click(const std::string& window, const std::string& control) {
    program_.Click(program_.windows.Get(window), control);
  }

  qm::test::TempFolder folder_;
  ui::HeadlessPlatform platform_;
  ui::Program program_;
};

// ---------------------------------------------------------------------------------------------
// The records.

// The golden scripts' records: the birth of 1984-05-12 08:30 (male) seen on 2005-05-11, the
// pillars 甲子 丙寅 戊辰 庚申 (male, luck from 1) and 癸卯 乙卯 辛亥 壬辰 (female, from 3.5)
// with the roles of their script, and the hexagram 1 2 3 4 1 3 at 2005-05-11 15:07.
void CheckGoldenRecords(ChartCheck& check) {
  check.CheckBirth({73, 5, 12, 8, 30, true, false}, {94, 5, 11}, "golden 73/5/12");
  check.CheckEntered({{1, 3, 5, 7}, {1, 3, 5, 9}, true, "1"}, "golden 甲子 丙寅 戊辰 庚申");
  const char* const roles[][2] = {{"用(0)", "壬水"}, {"用(1)", "癸水"}, {"喜(0)", "庚金"},
                                  {"喜(1)", "辛金"}, {"閒(0)", "燥土"}, {"閒(1)", "溼土"},
                                  {"仇(0)", "甲木"}, {"仇(1)", "乙木"}, {"忌(0)", "丙火"},
                                  {"忌(1)", "丁火"}};
  for (const auto& [list, kind] : roles) check.Set("form1", list, kind);
  check.CheckEntered({{10, 2, 8, 9}, {4, 4, 12, 5}, false, "3.5"}, "golden 癸卯 乙卯 辛亥 壬辰");
  check.SetToday({94, 5, 11});
  check.CheckCurrentDivination({0, 1, 2, 3, 0, 2}, "golden 水澤節");
}

// Records for what random ones seldom meet: luck windows whose relation list reaches the rows
// of the longest "生於" line and of the special start's mark, or fills all 23 rows; births in
// lunar leap months, among them the longest leap-month header (閏10 of 73 with a two-digit day).
void CheckChosenRecords(ChartCheck& check) {
  check.CheckBirth({40, 4, 20, 12, 0, true, false}, {90, 8, 15}, "22 relations, long 生於 line");
  check.CheckBirth({40, 3, 6, 12, 0, true, true}, {60, 8, 15}, "23 relations, special start");
  check.CheckBirth({73, 10, 5, 6, 30, true, false, true}, {94, 5, 11}, "leap 73/10/5");
  check.CheckBirth({73, 10, 29, 0, 30, false, false, true}, {94, 5, 11}, "leap 73/10/29");
  check.CheckBirth({106, 6, 20, 23, 59, false, true, true}, {120, 12, 1}, "leap 106/6/20");
}

class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  int Between(int low, int high) {  // both ends included
    return low + static_cast<int>(engine_() % static_cast<std::uint32_t>(high - low + 1));
  }
  bool Coin() { return Between(0, 1) == 1; }

 private:
  std::mt19937 engine_;
};

int MonthDays(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && (year + 1911) % 4 == 0 ? 29 : kDays[month - 1];
}

// A day from a year on to the end of the tables (the 大雪 of 120/12/7).
Date RandomDate(Random& r, int fromYear) {
  const int year = r.Between(fromYear, 120);
  const int month = r.Between(1, year == 120 ? 11 : 12);
  return {year, month, r.Between(1, MonthDays(year, month))};
}

// The month that a year's lunar leap month follows, when it has one.
std::optional<int> LeapMonthOf(int year) {
  for (int month = 1; month <= 12; ++month)
    if (qm::LunarToSolar(year, month + 0.5, 1)) return month;
  return std::nullopt;
}

Birth RandomBirth(Random& r) {
  Birth b{};
  b.year = r.Between(2, 119);
  b.month = r.Between(1, 12);
  b.day = r.Between(1, MonthDays(b.year, b.month));
  b.hour = r.Between(0, 23);
  b.minute = r.Between(0, 59);
  b.male = r.Coin();
  b.special = r.Coin();
  if (r.Between(0, 3) == 0)
    if (const std::optional<int> leap = LeapMonthOf(b.year)) {
      b.leap = true;
      b.month = *leap;
      b.day = r.Between(1, 29);
    }
  return b;
}

Entered RandomEntered(Random& r) {
  Entered e{};
  for (int k = 0; k < 4; ++k) {
    e.stems[k] = r.Between(1, 10);
    e.branches[k] = 2 * r.Between(0, 5) + (e.stems[k] % 2 == 1 ? 1 : 2);
  }
  e.male = r.Coin();
  e.startAge = std::to_string(r.Between(0, 10)) + "." + std::to_string(r.Between(0, 9));
  return e;
}

Divination RandomDivination(Random& r) {
  Divination d{};
  d.date = RandomDate(r, 2);
  if (r.Coin())
    if (const std::optional<int> leap = LeapMonthOf(d.date.year))
      if (const auto day = qm::LunarToSolar(d.date.year, *leap + 0.5, r.Between(1, 29)))
        d.date = {day->year, day->month, day->day};
  d.hour = r.Between(0, 23);
  d.minute = r.Between(0, 59);
  for (int& line : d.lines) line = r.Between(0, 3);
  return d;
}

TEST(TextCollision, NoTwoTextsOfAChartRunIntoEachOtherOrOutOfTheWindow) {
  qm::test::EnsureQtApplication();
  // Measured in any other font, the check would say nothing of the windows.
  for (const char* name : {"細明體", "標楷體"})
    ASSERT_EQ(QFontInfo(ui::qt::QtFont(ui::Font{name})).family(), ui::qt::FamilyOf(name));
  ChartCheck check;
  CheckGoldenRecords(check);
  CheckChosenRecords(check);
  Random r(20240518);
  for (int i = 0; i < 30; ++i) {
    const Birth b = RandomBirth(r);
    check.CheckBirth(b, RandomDate(r, b.year), "random birth " + std::to_string(i));
  }
  for (int i = 0; i < 12; ++i)
    check.CheckEntered(RandomEntered(r), "random pillars " + std::to_string(i));
  for (int i = 0; i < 40; ++i)
    check.CheckDivination(RandomDivination(r), "random hexagram " + std::to_string(i));

  const std::set<std::string> rare = {
      "Form3 relation line 18 beside the longest 生於 line", "Form3 relation line 20 beside (作十歲)",
      "Form3 relation line 23 over the luck rows",          "Form7 leap month",
      "Form8 leap month",                                   "Form8 marks over an arrow",
      "FORM4 ages 1 to 100"};
  EXPECT_EQ(check.seen, rare) << "the records no longer show every case the check is for";
  std::ostringstream shown;
  for (std::size_t i = 0; i < check.faults.size() && i < 50; ++i)
    shown << "\n  " << check.faults[i];
  EXPECT_TRUE(check.faults.empty()) << check.faults.size() << " faults:" << shown.str();
}

}  // namespace
