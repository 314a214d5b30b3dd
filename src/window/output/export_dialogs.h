// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of the export commands, behind a small interface as the Load dialog is, so that
// the tests can answer them: the save dialog of "Export Tables…" and "Export Report…", and the
// print dialog of "Print…".
#pragma once

#include <QString>
#include <optional>
#include <string>

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
};

// A file's suffix and its filter entry: "csv", "CSV table  (*.csv)".
QString ExportSuffix(ExportKind kind);
QString ExportFilter(ExportKind kind);

// A modal QFileDialog that starts in the folder of the last export, the suffix added to a name
// typed without one; and QPrintDialog.
class QtExportDialogs final : public ExportDialogs {
 public:
  explicit QtExportDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> ChooseSavePath(ExportKind kind, const QString& suggestedName) override;
  bool SetUpPrinter(QPrinter& printer) override;

 private:
  QWidget* parent_;
  QString lastFolder_;
};

}  // namespace tz9
