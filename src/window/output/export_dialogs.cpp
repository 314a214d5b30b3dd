// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/export_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

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

std::optional<ReportScope> QtExportDialogs::ChooseReportScope(int wholePages, int summaryPages) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("A Long Report"),
                  QStringLiteral("The whole report takes %L1 pages, most of them the cells of the "
                                 "grids. Its summary pages (the inputs, the performance summary "
                                 "and any mission fuel) take %L2.")
                      .arg(wholePages)
                      .arg(summaryPages),
                  QMessageBox::Cancel, parent_);
  QPushButton* summary = box.addButton(
      QStringLiteral("&Summary Pages Only (%L1)").arg(summaryPages), QMessageBox::AcceptRole);
  QPushButton* whole = box.addButton(QStringLiteral("&Whole Report (%L1 pages)").arg(wholePages),
                                     QMessageBox::AcceptRole);
  box.setDefaultButton(summary);
  box.exec();
  if (box.clickedButton() == summary) return ReportScope::SummaryPages;
  if (box.clickedButton() == whole) return ReportScope::Whole;
  return std::nullopt;
}

}  // namespace tz9
