// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/image_path_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tz9 {

std::optional<QString> DialogImagePathChooser::ChooseImagePath(const QString& suggestedName) {
  if (lastFolder_.isEmpty()) lastFolder_ = QDir::homePath();
  QString filter;
  QString path =
      QFileDialog::getSaveFileName(parent_, QString(), QDir(lastFolder_).filePath(suggestedName),
                                   QString::fromLatin1(kImageFileFilter), &filter);
  if (path.isEmpty()) return std::nullopt;
  // A name typed without an ending takes the one of the filter chosen.
  if (QFileInfo(path).suffix().isEmpty()) {
    path +=
        filter.contains(QStringLiteral("*.svg")) ? QStringLiteral(".svg") : QStringLiteral(".png");
  }
  lastFolder_ = QFileInfo(path).absolutePath();
  return path;
}

}  // namespace tz9
