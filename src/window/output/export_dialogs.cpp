// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/export_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace tz9 {

QString ExportSuffix(ExportKind kind) {
  switch (kind) {
    case ExportKind::Tables:
      return QStringLiteral("csv");
    case ExportKind::Report:
      return QStringLiteral("pdf");
  }
  return {};
}

QString ExportFilter(ExportKind kind) {
  switch (kind) {
    case ExportKind::Tables:
      return QStringLiteral("CSV table  (*.csv)");
    case ExportKind::Report:
      return QStringLiteral("PDF report  (*.pdf)");
  }
  return {};
}

std::optional<std::string> QtExportDialogs::ChooseSavePath(ExportKind kind,
                                                           const QString& suggestedName) {
  if (lastFolder_.isEmpty()) lastFolder_ = QDir::homePath();
  QFileDialog dialog(parent_, QString(), QDir(lastFolder_).filePath(suggestedName),
                     ExportFilter(kind));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(ExportSuffix(kind));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog.selectedFiles().constFirst();
  lastFolder_ = QFileInfo(path).absolutePath();
  return QFile::encodeName(path).toStdString();
}

bool QtExportDialogs::SetUpPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tz9
