// SPDX-License-Identifier: GPL-3.0-or-later
// The window's command line: tz9perf [AIRCRAFT.dat], --help, --version. What to do is decided
// here, apart from main(), so that the tests can check it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace tz9 {

struct WindowCommandLine {
  enum class Action { OpenWindow, PrintHelp, PrintVersion, Refuse };
  Action action = Action::OpenWindow;
  std::optional<std::string> aircraftPath;  // absolute; loaded once the window shows
  bool settings = true;  // false: --no-settings, or TZ9PERF_NO_SETTINGS set in the environment
  QString text;          // the help, the version or the error, to print
};

inline constexpr int kWindowUsageExit = 2;

// arguments as QCoreApplication::arguments() gives them, the program first. Needs the
// application's name and version set.
WindowCommandLine ParseWindowCommandLine(const QStringList& arguments);

}  // namespace tz9
