// SPDX-License-Identifier: GPL-3.0-or-later
// "Export Tables…", "Export Report…" and "Print…" of the File menu: the computation the grids
// show as a CSV file, as a PDF report, or as the same report on a printer. Files are written
// whole or not at all (QSaveFile); every outcome goes to the status line.
//
// A report is made on a thread of its own, from copies of what the window shows, so that the
// window keeps answering: first its sections and its pages (before a report of more than
// kReportPagesToAsk pages the user may take its summary pages only), then the pages, with a
// progress row and Cancel in the status bar.
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
#include "performance/analysis_control.h"
#include "performance/table_computation.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tz9 {

class AnalysisTask;
class Workspace;

// Sections a report adds after the grids (the performance summary, the mission fuel). A source
// is asked on the window's thread as a report starts, with the computation the report shows; it
// returns the work that makes its sections on the report's thread, which reads only what it
// holds (the computation, copies of what a window showed) and may hand `control` to the core.
using ReportSectionMaker =
    std::function<std::vector<ReportSection>(const AnalysisControl& control)>;
using ReportSectionSource =
    std::function<ReportSectionMaker(const std::shared_ptr<const TableComputation>& computation)>;

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
  // The row the window shows in its status bar while a report is made: what it does, a bar and
  // Cancel. Hidden otherwise.
  QWidget* reportProgress = nullptr;
  QLabel* lblReport = nullptr;
  QProgressBar* prgReport = nullptr;
  QPushButton* cmdReportCancel = nullptr;

  void mnuFileExport_Click();
  void mnuFileReport_Click();
  void mnuFilePrint_Click();

  bool ReportRunning() const { return job_ != nullptr; }

 signals:
  // What an export did or why it did not, for the status line.
  void Status(const QString& text);
  // A report was written, printed, cancelled, declined at the question, or failed; its words
  // are on the status line.
  void ReportEnded();

 private:
  struct ReportJob;

  // The report of the shown computation, its grids copied and its sources asked; nothing while
  // the grids show none.
  std::shared_ptr<ReportJob> NewReportJob() const;
  bool RefuseWhileReporting();
  void StartReport(std::shared_ptr<ReportJob> job);
  void ReportPlanned(const std::shared_ptr<ReportJob>& job);
  void ReportPainted(const QString& error);
  void EndReport(const QString& status);

  // The computation the grids show; nothing, and the reason in the status line, when they show
  // none. verb: "export", "print".
  std::shared_ptr<const TableComputation> ShownComputation(const QString& verb);
  QString SuggestedName(const TableComputation& computation, ExportKind kind) const;
  std::string CsvText(const TableComputation& computation) const;
  void ShowStatus(const QString& text);

  const Workspace& workspace_;
  std::unique_ptr<ExportDialogs> dialogs_;
  std::vector<ReportSectionSource> sectionSources_;
  AnalysisTask* reportTask_ = nullptr;
  std::shared_ptr<ReportJob> job_;  // the report being made
};

}  // namespace tz9
