#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "ui/clock_text.h"
#include "ui/qt/fonts.h"
#include "ui/qt/window_image_qt.h"

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
  const QImage image = WindowImage(window);
  QPrinter printer(info, QPrinter::HighResolution);
  QPainter painter;
  if (!painter.begin(&printer)) return PrintResult::Failed;
  // The image as large as the page allows, its proportions kept.
  const QRect page = painter.viewport();
  QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.setViewport(page.x(), page.y(), size.width(), size.height());
  painter.setWindow(image.rect());
  painter.drawImage(0, 0, image);
  if (!painter.end() || printer.printerState() == QPrinter::Error) return PrintResult::Failed;
  return PrintResult::Printed;
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
