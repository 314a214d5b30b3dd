// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tz9 {

WindowCommandLine ParseWindowCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Level-flight fuel flow tables of a combat flight simulator's aircraft."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption noSettings(
      QStringLiteral("no-settings"),
      QStringLiteral("Start with the default settings and write none (as does "
                     "TZ9PERF_NO_SETTINGS=1)."));
  parser.addOption(noSettings);
  parser.addPositionalArgument(QStringLiteral("aircraft"),
                               QStringLiteral("An aircraft file to load at start."),
                               QStringLiteral("[AIRCRAFT.dat]"));
  WindowCommandLine line;
  const QString program =
      QFileInfo(arguments.isEmpty() ? QStringLiteral("tz9perf") : arguments.first()).fileName();
  if (!parser.parse(arguments)) {
    line.action = WindowCommandLine::Action::Refuse;
    line.text = program + QStringLiteral(": ") + parser.errorText() + '\n';
    return line;
  }
  // --help-all, which the parser adds, shows the same: the Qt options are Qt's own business.
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    // The parser's usage line names the program as it was started, or a placeholder before the
    // application exists: ours names it by its file name.
    const QString text = parser.helpText();
    line.action = WindowCommandLine::Action::PrintHelp;
    line.text = QStringLiteral("Usage: %1 [options] [AIRCRAFT.dat]").arg(program) +
                text.mid(text.indexOf('\n'));
    return line;
  }
  if (parser.isSet(version)) {
    line.action = WindowCommandLine::Action::PrintVersion;
    line.text = program + ' ' + QCoreApplication::applicationVersion() + '\n';
    return line;
  }
  line.settings = !parser.isSet(noSettings) && qEnvironmentVariableIsEmpty("TZ9PERF_NO_SETTINGS");
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    line.action = WindowCommandLine::Action::Refuse;
    line.text = program + QStringLiteral(": only one aircraft file: ") + files.at(1) + '\n';
    return line;
  }
  if (!files.isEmpty()) {
    line.aircraftPath =
        QFile::encodeName(QFileInfo(files.first()).absoluteFilePath()).toStdString();
  }
  return line;
}

}  // namespace tz9
