// SPDX-License-Identifier: GPL-3.0-or-later
// "Export Tables…", "Export Report…" and "Print…" of the File menu: the computation the grids
// show as a CSV file, as a PDF report, or as the same report on a printer. Files are written
// whole or not at all (QSaveFile); every outcome goes to the status line.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "output/export_dialogs.h"
#include "output/report_painter.h"
#include "performance/table_computation.h"

class QAction;
class QMenu;
class QWidget;

namespace tz9 {

class Workspace;

// Sections a report adds after the grids (the performance summary, charts), made afresh from
// the computation the report shows.
using ReportSectionSource = std::function<std::vector<ReportSection>(const TableComputation&)>;

class ExportCommands final : public QObject {
  Q_OBJECT

 public:
  // Adds the three items to fileMenu, before the item before; the dialogs are window's.
  ExportCommands(const Workspace& workspace, QWidget& window, QMenu* fileMenu, QAction* before);
  ~ExportCommands() override;

  // The tests answer the dialogs through this.
  void SetDialogs(std::unique_ptr<ExportDialogs> dialogs);
  // Every report from now on asks source for its sections, after those of earlier sources.
  void AddReportSections(ReportSectionSource source);

  QAction* mnuFileExport = nullptr;
  QAction* mnuFileReport = nullptr;
  QAction* mnuFilePrint = nullptr;

  void mnuFileExport_Click();
  void mnuFileReport_Click();
  void mnuFilePrint_Click();

  // The report of the shown computation, or nothing while the grids show none.
  std::optional<ReportContent> ShownReport() const;

 signals:
  // What an export did or why it did not, for the status line.
  void Status(const QString& text);

 private:
  // The computation the grids show; nothing, and the reason in the status line, when they show
  // none. verb: "export", "print".
  std::shared_ptr<const TableComputation> ShownComputation(const QString& verb);
  QString SuggestedName(const TableComputation& computation, ExportKind kind) const;
  std::string CsvText(const TableComputation& computation) const;
  void ShowStatus(const QString& text);

  const Workspace& workspace_;
  std::unique_ptr<ExportDialogs> dialogs_;
  std::vector<ReportSectionSource> sectionSources_;
};

}  // namespace tz9
