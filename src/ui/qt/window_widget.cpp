#include "ui/qt/window_widget.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "ui/qt/canvas_painter.h"
#include "ui/qt/label_widget.h"
#include "ui/qt/qt_look.h"

namespace ui::qt {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QStringList QItems(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << Q(item);
  return list;
}

// The control's background in the role the widget fills itself with: a label's is the window
// colour, a button's and an option button's the button colour.
void SetColours(QWidget* widget, const Control& control) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), QtColour(control.backColor));
  palette.setColor(QPalette::WindowText, QtColour(control.foreColor));
  palette.setColor(QPalette::ButtonText, QtColour(control.foreColor));
  palette.setColor(QPalette::Text, QtColour(control.foreColor));
  widget->setPalette(palette);
}

}  // namespace

WindowWidget::WindowWidget(Window& window, Events events)
    : window_(&window), events_(std::move(events)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  for (const Control& control : window.Controls()) controls_[control.name] = MakeControl(control);
  SyncFromModel();
}

void WindowWidget::Detach() {
  // The events stay: the one that closed the window may still be running.
  window_ = nullptr;
}

QWidget* WindowWidget::MakeControl(const Control& control) {
  const std::string name = control.name;
  // Typed text goes straight into the model; clicks go to the program.
  auto typed = [this, name](const QString& text) {
    if (!window_) return;
    if (Control* c = window_->Find(name)) c->text = text.toStdString();
  };
  auto clicked = [this, name] {
    if (window_ && events_.click) events_.click(*window_, name);
  };
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Label: {
      widget = new LabelWidget(this);
      break;
    }
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(this);
      connect(edit, &QLineEdit::textEdited, edit, typed);
      widget = edit;
      break;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(this);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      // What is typed is what the program reads: Qt's completion would turn a typed year 11
      // into the item "110 (2021)" of a list that has no item 11.
      combo->setCompleter(nullptr);
      connect(combo, &QComboBox::currentTextChanged, combo, typed);
      // A picked item shows from its first character, as a set text does.
      connect(combo, &QComboBox::activated, combo,
              [combo] { combo->lineEdit()->setCursorPosition(0); });
      widget = combo;
      break;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(this);
      button->setAutoFillBackground(true);
      connect(button, &QPushButton::clicked, button, clicked);
      widget = button;
      break;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(this);
      // The model keeps the option's value; Qt must not make it exclusive on its own.
      option->setAutoExclusive(false);
      option->setAutoFillBackground(true);
      connect(option, &QRadioButton::clicked, option, clicked);
      widget = option;
      break;
    }
    case ControlKind::Frame: {
      auto* frame = new QGroupBox(this);
      widget = frame;
      break;
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget(this);
      connect(list, &QListWidget::currentTextChanged, list, typed);
      widget = list;
      break;
    }
  }
  if (control.kind == ControlKind::Frame) widget->lower();
  return widget;
}

void WindowWidget::SyncControl(const Control& control, QWidget* widget) {
  const QSignalBlocker blocker(widget);
  widget->setGeometry(PixelRect(control));
  widget->setFont(QtFont(control.font));
  const QString text = Q(control.text);
  std::vector<std::string>& shown = shownItems_[control.name];
  switch (control.kind) {
    case ControlKind::Label:
      SetColours(widget, control);
      static_cast<LabelWidget*>(widget)->SetText(text);
      break;
    case ControlKind::TextBox:
      if (auto* edit = static_cast<QLineEdit*>(widget); edit->text() != text) edit->setText(text);
      break;
    case ControlKind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(widget);
      if (shown != control.items) {
        combo->clear();
        combo->addItems(QItems(control.items));
        shown = control.items;
      }
      // A text wider than its box shows its beginning (Qt would scroll to its end: ") 老陽"
      // for "Ｏ 老陽").
      if (combo->currentText() != text) {
        combo->setEditText(text);
        combo->lineEdit()->setCursorPosition(0);
      }
      break;
    }
    case ControlKind::Button:
      SetColours(widget, control);
      static_cast<QPushButton*>(widget)->setText(text);
      break;
    case ControlKind::OptionButton: {
      SetColours(widget, control);
      auto* option = static_cast<QRadioButton*>(widget);
      option->setText(text);
      option->setChecked(control.selected);
      break;
    }
    case ControlKind::Frame:
      static_cast<QGroupBox*>(widget)->setTitle(text);
      break;
    case ControlKind::ListBox: {
      auto* list = static_cast<QListWidget*>(widget);
      if (shown != control.items) {
        list->clear();
        list->addItems(QItems(control.items));
        shown = control.items;
      }
      break;
    }
  }
  widget->setVisible(control.visible);
}

void WindowWidget::SyncFromModel() {
  if (!window_) return;
  setWindowTitle(Q(window_->caption));
  setFixedSize(Pixels(window_->clientWidth), Pixels(window_->clientHeight));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QtColour(window_->backColor));
  setPalette(palette);
  setAutoFillBackground(true);
  for (const Control& control : window_->Controls()) {
    QWidget*& widget = controls_[control.name];
    if (!widget) widget = MakeControl(control);
    SyncControl(control, widget);
  }
  update();
}

void WindowWidget::paintEvent(QPaintEvent*) {
  if (!window_) return;
  QPainter painter(this);
  painter.fillRect(rect(), QtColour(window_->backColor));
  PaintCanvas(painter, window_->canvas, size());
}

bool WindowWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && window_ && events_.activate)
    events_.activate(*window_);
  return QWidget::event(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // A window is left through its own buttons; the title bar's close asks the program.
  event->ignore();
  if (window_ && events_.close) events_.close(*window_);
}

}  // namespace ui::qt
