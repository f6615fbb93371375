#pragma once
// The one Qt application of a test process, made by whichever test needs it first and never
// destroyed: the process ends with it, as a program's does.
#include <QApplication>

namespace qm::test {

inline void EnsureQtApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "qm_test";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

}  // namespace qm::test
