#pragma once
// A label on screen: its caption wrapped to the width of its box where the text allows a break,
// from the top left, with room between the lines. Qt-only.
#include <QString>
#include <QTextLayout>
#include <QWidget>

namespace ui::qt {

// Lays out a caption, made with its text and font, as a label of `width` pixels draws it: lines
// broken where the text allows, one line pitch apart from the top. The pitch is the font's
// height and an eighth, so that two lines of Chinese do not touch.
void LayOutLabel(QTextLayout& layout, double width);

class LabelWidget : public QWidget {
 public:
  explicit LabelWidget(QWidget* parent);
  void SetText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace ui::qt
