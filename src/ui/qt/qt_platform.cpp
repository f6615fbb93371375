#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "ui/clock_text.h"
#include "ui/qt/fonts.h"
#include "ui/qt/print_page.h"

namespace ui::qt {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// One engine for the whole run, seeded once from the system's random source.
QtPlatform::QtPlatform() : random_(std::random_device{}()) {}

void QtPlatform::MsgBox(std::string_view text, std::string_view title) {
  if (beforeDialog) beforeDialog();
  QMessageBox box(QMessageBox::NoIcon, Q(title), Q(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  // The program speaks Chinese in one font: its text and its button "確定" alike.
  box.setFont(MessageFont());
  box.button(QMessageBox::Ok)->setText(QStringLiteral("確定"));
  box.exec();
}

PrintResult QtPlatform::PrintWindow(const Window& window) {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return PrintResult::NoPrinter;
  QPrinter printer(info, QPrinter::HighResolution);
  return PrintWindowPage(window, printer) ? PrintResult::Printed : PrintResult::Failed;
}

std::string QtPlatform::DateText() {
  const QDate today = QDate::currentDate();
  return DateTextOf(today.year(), today.month(), today.day());
}

std::string QtPlatform::TimeText() {
  const QTime now = QTime::currentTime();
  return TimeTextOf(now.hour(), now.minute(), now.second());
}


double QtPlatform::Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }

}  // namespace ui::qt
