// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf: the performance calculator's window. tz9perf [AIRCRAFT.dat] opens the window with
// that aircraft loaded; --help and --version print and leave.
#include <QApplication>
#include <QScreen>
#include <QStringList>
#include <cstdio>

#include "app/window_command_line.h"
#include "common/version.h"
#include "shell/form1.h"
#include "shell/grid_area_layout.h"

namespace {

// Prints what the command line asks to print; the exit code, or nothing to open the window.
std::optional<int> Answer(const tz9::WindowCommandLine& line) {
  switch (line.action) {
    case tz9::WindowCommandLine::Action::PrintHelp:
    case tz9::WindowCommandLine::Action::PrintVersion:
      std::fputs(line.text.toLocal8Bit().constData(), stdout);
      return 0;
    case tz9::WindowCommandLine::Action::Refuse:
      std::fputs(line.text.toLocal8Bit().constData(), stderr);
      return tz9::kWindowUsageExit;
    case tz9::WindowCommandLine::Action::OpenWindow:
      break;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setApplicationName(QString::fromLatin1(tz9::kApplicationTitle));
  QApplication::setOrganizationName(
      QString::fromLatin1(tz9::kSettingsOrganisation.data(),
                          static_cast<qsizetype>(tz9::kSettingsOrganisation.size())));
  QApplication::setApplicationVersion(
      QString::fromLatin1(tz9::kVersion.data(), static_cast<qsizetype>(tz9::kVersion.size())));
  // --help and --version answer before the window system is asked for, so they work without a
  // display. Qt's own options (-platform ...) are known only once QApplication has taken them
  // out: a line that does not parse now is parsed again then.
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i)
    rawArguments << QString::fromLocal8Bit(argv[i]);
  const tz9::WindowCommandLine early = tz9::ParseWindowCommandLine(rawArguments);
  if (early.action == tz9::WindowCommandLine::Action::PrintHelp ||
      early.action == tz9::WindowCommandLine::Action::PrintVersion) {
    return *Answer(early);
  }
  QApplication application(argc, argv);
  const tz9::WindowCommandLine line = tz9::ParseWindowCommandLine(QApplication::arguments());
  if (const std::optional<int> exitCode = Answer(line)) return *exitCode;
  tz9::Form1 window;
  if (line.settings) window.RememberSettings();
  tz9::FitWindowToScreen(window, window.screen()->availableGeometry());
  window.show();
  if (line.aircraftPath) window.LoadAircraftPath(*line.aircraftPath);
  return QApplication::exec();
}
