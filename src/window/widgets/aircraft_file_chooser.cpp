// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/aircraft_file_chooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace tz9 {

std::optional<std::string> DialogAircraftFileChooser::ChooseAircraftFile() {
  if (lastFolder_.isEmpty()) lastFolder_ = SampleAircraftFolder();
  // No ReadOnly option: the dialog offers no read-only check box at all.
  const QString path = QFileDialog::getOpenFileName(parent_, QString(), lastFolder_,
                                                    QString::fromLatin1(kAircraftFileFilter));
  if (path.isEmpty()) return std::nullopt;
  lastFolder_ = QFileInfo(path).absolutePath();
  return QFile::encodeName(path).toStdString();
}

QString SampleAircraftFolder() {
  const QString programDir = QCoreApplication::applicationDirPath();
  const QStringList candidates = {
      programDir + QStringLiteral("/examples"), programDir + QStringLiteral("/../examples"),
      programDir + QStringLiteral("/../../examples"),
      programDir + QStringLiteral("/../share/tz9perf/examples"),  // installed
      QStringLiteral(TZ9_SOURCE_EXAMPLES_DIR)};
  for (const QString& folder : candidates) {
    if (QFileInfo(folder).isDir()) return QDir(folder).absolutePath();
  }
  return QString();
}

}  // namespace tz9
