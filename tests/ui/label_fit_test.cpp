// Every label of the start screen shows its whole caption in the font actually drawn (AR PL
// UMing and UKai): laid out as the Qt front lays it out, its lines fit the label's box, break
// only after a blank or before a parenthesis (never inside a run of Chinese), and run under no
// other control. Lists show their longest item beside the arrow, options their caption beside
// the round mark, and frames their whole line: each measured on the real Qt controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <QRectF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextLayout>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <sstream>

#include "support/qt_app.h"
#include "app/register_windows.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/qt/fonts.h"
#include "ui/qt/label_widget.h"
#include "ui/qt/qt_look.h"
#include "ui/qt/window_widget.h"

namespace {

using qm::test::EnsureQtApplication;

// The windows whose labels are measured, each as it is made: its controls at their defaults.
const char* const kWindows[] = {"form1", "Form2", "Form3", "FORM4", "Form5",
                                "Form6", "Form7", "Form8"};

// The program with every window made, its controls at their defaults.
class LabelFit : public ::testing::Test {
 protected:
  LabelFit() {
    EnsureQtApplication();
    qm::app::StartProgram(program);
  }
  ui::HeadlessPlatform platform;
  ui::Program program{platform};
};

// A caption's ink keeps at least a pixel from the drawn box of another control: ink that
// touches a box reads as run into it.
constexpr double kInkGap = 1;

struct LaidOut {
  std::vector<QRectF> lines;  // each line's cells, in the window's pixels
  std::vector<QRectF> inks;   // the ink of each line's glyphs
  std::vector<int> starts;    // where each line starts in the caption
};

LaidOut LayOut(const ui::Control& label, const QString& text) {
  const QFont font = ui::qt::QtFont(label.font);
  QTextLayout layout(text, font);
  ui::qt::LayOutLabel(layout, ui::qt::Pixels(label.width));
  const QPointF origin = ui::qt::PixelRect(label).topLeft();
  LaidOut result;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const QPointF at = origin + line.position();
    result.lines.push_back(QRectF(at, QSizeF(line.naturalTextWidth(), line.height())));
    const QString shown = text.mid(line.textStart(), line.textLength());
    result.inks.push_back(QFontMetricsF(font).tightBoundingRect(shown).translated(
        at + QPointF(0, line.ascent())));
    result.starts.push_back(line.textStart());
  }
  return result;
}

std::string Describe(const LaidOut& laidOut, const QString& text) {
  std::ostringstream out;
  for (std::size_t i = 0; i < laidOut.lines.size(); ++i) {
    const int end = i + 1 < laidOut.starts.size() ? laidOut.starts[i + 1] : text.size();
    out << "\n  [" << text.mid(laidOut.starts[i], end - laidOut.starts[i]).toStdString() << "] "
        << laidOut.lines[i].width() << " x " << laidOut.lines[i].height() << " at "
        << laidOut.lines[i].left() << ", " << laidOut.lines[i].top();
  }
  return out.str();
}

TEST_F(LabelFit, EveryLabelShowsItsWholeCaptionInTheFontDrawn) {
  for (const char* name : kWindows) {
    const ui::Window& window = program.windows.Get(name);
    for (const ui::Control& label : window.Controls()) {
      // A label hidden until its mode is chosen must fit as well when it shows.
      if (label.kind != ui::ControlKind::Label) continue;
      const QString text = QString::fromStdString(label.text);
      const QFont font = ui::qt::QtFont(label.font);
      ASSERT_EQ(QFontInfo(font).family(), ui::qt::FamilyOf(label.font.name)) << label.name;
      const LaidOut laidOut = LayOut(label, text);
      SCOPED_TRACE(std::string(name) + "." + label.name + Describe(laidOut, text));
      const QRectF box = ui::qt::PixelRect(label);
      for (const QRectF& line : laidOut.lines) {
        EXPECT_LE(line.right(), box.right()) << "too wide";
        EXPECT_LE(line.bottom(), box.bottom()) << "too many lines for the height";
      }
      for (const QRectF& ink : laidOut.inks) {
        for (const ui::Control& other : window.Controls()) {
          if (&other == &label || !other.visible || !label.visible) continue;
          // A label's box is not drawn; the box of any other control is.
          const double gap = other.kind == ui::ControlKind::Label ? 0 : kInkGap;
          EXPECT_FALSE(ink.adjusted(-gap, -gap, gap, gap).intersects(ui::qt::PixelRect(other)))
              << "under or touching " << other.name;
        }
      }
      for (std::size_t i = 1; i < laidOut.starts.size(); ++i) {
        const int at = laidOut.starts[i];
        EXPECT_TRUE(text[at - 1] == ' ' || text[at] == '(') << "broken at " << at;
      }
    }
  }
}

}  // namespace

namespace {

// An option's caption stands beside its round mark on one line and shows whole.
TEST_F(LabelFit, EveryOptionShowsItsWholeCaptionBesideItsMark) {
  for (const char* name : kWindows) {
    const ui::Window& window = program.windows.Get(name);
    for (const ui::Control& option : window.Controls()) {
      if (option.kind != ui::ControlKind::OptionButton) continue;
      QRadioButton drawn(QString::fromStdString(option.text));
      drawn.setFont(ui::qt::QtFont(option.font));
      EXPECT_LE(drawn.sizeHint().width(), ui::qt::PixelRect(option).width())
          << name << "." << option.name << " " << option.text;
    }
  }
}

}  // namespace

namespace {

// The real Qt control the front makes for a control: the window widget's child of that kind
// standing at the control's place.
template <class Widget>
Widget* Drawn(const ui::qt::WindowWidget& widget, const ui::Control& control) {
  for (Widget* child : widget.findChildren<Widget*>(Qt::FindDirectChildrenOnly))
    if (child->geometry() == ui::qt::PixelRect(control)) return child;
  return nullptr;
}

// A line edit keeps two pixels of its own on either side of its text.
constexpr int kLineEditMargin = 2;

// The width a list's edit field leaves for its text: the box less its frame and its arrow, as
// the style lays them out, less the line edit's own margins.
int TextRoom(const QComboBox& combo) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  option.frame = combo.hasFrame();
  option.rect = QRect(QPoint(0, 0), combo.size());
  const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &combo);
  return field.width() - 2 * kLineEditMargin;
}

// A drop-down list shows each of its items, and the text it starts with, whole beside its arrow.
TEST_F(LabelFit, EveryListShowsItsLongestItemBesideItsArrow) {
  for (const char* name : kWindows) {
    ui::Window& window = program.windows.Get(name);
    const ui::qt::WindowWidget widget(window);
    for (const ui::Control& list : window.Controls()) {
      if (list.kind != ui::ControlKind::ComboBox) continue;
      const QComboBox* combo = Drawn<QComboBox>(widget, list);
      ASSERT_NE(combo, nullptr) << name << "." << list.name;
      const QFontMetricsF metrics(combo->font());
      // Trailing blanks show nothing ("1 (1912)  ").
      auto width = [&metrics](const std::string& text) {
        QString shown = QString::fromStdString(text);
        while (shown.endsWith(' ')) shown.chop(1);
        return metrics.horizontalAdvance(shown);
      };
      std::string widest = list.text;
      for (const std::string& item : list.items)
        if (width(item) > width(widest)) widest = item;
      EXPECT_LE(width(widest), TextRoom(*combo))
          << name << "." << list.name << " [" << widest << "] in " << combo->width() << " px";
    }
  }
}

// An option as the style draws it: its round mark, the room beside the mark, and the caption's
// ink in that room, from its left and centred in height; all within the option's own pixels.
struct OptionLook {
  QRect box, mark, room;
  QRectF ink;
};

OptionLook LookOf(const QRadioButton& option) {
  QStyleOptionButton style;
  style.initFrom(&option);
  style.text = option.text();
  style.rect = QRect(QPoint(0, 0), option.size());
  OptionLook look;
  look.box = style.rect;
  look.mark = option.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, &option);
  look.room = option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option);
  const QFontMetricsF metrics(option.font());
  const double baseline =
      look.room.top() + (look.room.height() - metrics.height()) / 2 + metrics.ascent();
  look.ink = metrics.tightBoundingRect(option.text()).translated(look.room.left(), baseline);
  return look;
}

// Each option shows its whole round mark and, beside it, its whole caption; the options of a
// window share one size, the largest at which every one of their captions still fits.
TEST_F(LabelFit, TheOptionsOfAWindowShareTheLargestSizeThatFitsThemAll) {
  for (const char* name : kWindows) {
    ui::Window& window = program.windows.Get(name);
    const ui::qt::WindowWidget widget(window);
    std::set<int> sizes;
    bool oneLargerFitsAll = true;
    for (const ui::Control& control : window.Controls()) {
      if (control.kind != ui::ControlKind::OptionButton) continue;
      QRadioButton* option = Drawn<QRadioButton>(widget, control);
      ASSERT_NE(option, nullptr) << name << "." << control.name;
      const OptionLook look = LookOf(*option);
      SCOPED_TRACE(std::string(name) + "." + control.name);
      EXPECT_TRUE(look.box.contains(look.mark))
          << "mark " << look.mark.top() << ".." << look.mark.bottom() << " in a box "
          << look.box.height() << " high";
      EXPECT_TRUE(QRectF(look.room).contains(look.ink))
          << "ink " << look.ink.left() << ".." << look.ink.right() << ", " << look.ink.top()
          << ".." << look.ink.bottom() << " beside the mark in " << look.room.width() << " x "
          << look.room.height();
      sizes.insert(option->font().pixelSize());
      QRadioButton larger(option->text());
      QFont font = option->font();
      font.setPixelSize(font.pixelSize() + 1);
      larger.setFont(font);
      oneLargerFitsAll = oneLargerFitsAll && larger.sizeHint().width() <= option->width();
    }
    if (sizes.empty()) continue;
    EXPECT_EQ(sizes.size(), 1u) << name << ": its options are drawn in " << sizes.size()
                                << " sizes";
    EXPECT_FALSE(oneLargerFitsAll) << name << ": every option would fit one pixel larger";
  }
}

// The window as the front shows it, with only the controls `keep` lets stand.
QImage Rendered(ui::qt::WindowWidget& widget, const std::function<bool(QWidget*)>& keep) {
  for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    child->setVisible(keep(child));
  QImage image(widget.size(), QImage::Format_RGB32);
  widget.render(&image);
  return image;
}

int Difference(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

// A frame tints its inside faintly; its line and its title stand out from the window by more.
constexpr int kLineContrast = 16;

// A frame's line and title show whole: no control standing on the frame paints over them, even
// with every control shown, as after printing.
TEST_F(LabelFit, EveryFrameShowsItsWholeLine) {
  for (const char* name : kWindows) {
    ui::Window& window = program.windows.Get(name);
    for (const ui::Control& control : window.Controls()) {
      if (control.kind != ui::ControlKind::Frame) continue;
      ui::qt::WindowWidget widget(window);
      widget.setAttribute(Qt::WA_DontShowOnScreen);
      widget.show();
      QGroupBox* frame = Drawn<QGroupBox>(widget, control);
      ASSERT_NE(frame, nullptr) << name << "." << control.name;
      const QImage bare = Rendered(widget, [](QWidget*) { return false; });
      const QImage framed = Rendered(widget, [frame](QWidget* child) { return child == frame; });
      const QImage whole = Rendered(widget, [](QWidget*) { return true; });
      const QRect box = frame->geometry() & widget.rect();
      int line = 0, hidden = 0;
      for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
          if (Difference(framed.pixel(x, y), bare.pixel(x, y)) <= kLineContrast) continue;
          ++line;
          if (whole.pixel(x, y) != framed.pixel(x, y)) ++hidden;
        }
      EXPECT_GT(line, 0) << name << "." << control.name;
      EXPECT_EQ(hidden, 0) << name << "." << control.name << ": " << hidden << " of the "
                           << line << " pixels of its line and title are painted over";
      widget.hide();
    }
  }
}

}  // namespace
