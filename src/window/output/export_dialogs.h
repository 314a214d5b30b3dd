// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of the export commands, behind a small interface as the Load dialog is, so that
// the tests can answer them: the save dialog of "Export Tables…" and "Export Report…", the
// print dialog of "Print…", and the question before a report of many pages.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "tables/report_pages.h"

class QPrinter;
class QWidget;

namespace tz9 {

enum class ExportKind { Tables, Report };

class ExportDialogs {
 public:
  virtual ~ExportDialogs() = default;
  // The full path to write, or nothing when the user cancels. suggestedName is a file name
  // ("check-aircraft.csv") the dialog offers.
  virtual std::optional<std::string> ChooseSavePath(ExportKind kind,
                                                    const QString& suggestedName) = 0;
  // Lets the user set up the printer; false when the user cancels.
  virtual bool SetUpPrinter(QPrinter& printer) = 0;
  // A report of more than kReportPagesToAsk pages: the whole report or its summary pages only
  // (the inputs and the sections after the grids); nothing when the user cancels.
  virtual std::optional<ReportScope> ChooseReportScope(int wholePages, int summaryPages) = 0;
};

// A file's suffix and its filter entry: "csv", "CSV table  (*.csv)".
QString ExportSuffix(ExportKind kind);
QString ExportFilter(ExportKind kind);

// A modal QFileDialog that starts in the folder of the last export, the suffix added to a name
// typed without one; QPrintDialog; and a QMessageBox whose default is the summary pages.
class QtExportDialogs final : public ExportDialogs {
 public:
  explicit QtExportDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> ChooseSavePath(ExportKind kind, const QString& suggestedName) override;
  bool SetUpPrinter(QPrinter& printer) override;
  std::optional<ReportScope> ChooseReportScope(int wholePages, int summaryPages) override;

 private:
  QWidget* parent_;
  QString lastFolder_;
};

}  // namespace tz9
