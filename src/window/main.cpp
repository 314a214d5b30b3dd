// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf: the performance calculator's window.
#include <QApplication>
#include <QScreen>

#include "common/version.h"
#include "form1.h"
#include "grid_area_layout.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(tz9::kApplicationTitle));
  QApplication::setApplicationVersion(
      QString::fromLatin1(tz9::kVersion.data(), static_cast<qsizetype>(tz9::kVersion.size())));
  tz9::Form1 window;
  tz9::FitWindowToScreen(window, window.screen()->availableGeometry());
  window.show();
  return QApplication::exec();
}
