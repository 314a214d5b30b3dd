// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/export_commands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <sstream>

#include "analyses/analysis_task.h"
#include "common/number_text.h"
#include "common/version.h"
#include "loadout/loadout.h"
#include "tables/csv_export.h"
#include "tables/display_mode.h"
#include "widgets/view_text.h"
#include "widgets/window_messages.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

// Reports are laid out for A4 across, with margins a printer can keep.
QPageLayout ReportPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                     QPageLayout::Millimeter);
}

QString ProgramName() {
  return QString::fromLatin1(kApplicationTitle) + ' ' + QStringFromView(kVersion);
}

// The file at path gets what write puts into it, or stays as it was: QSaveFile writes a
// temporary file beside it and renames it only on commit. Returns the error, or "" when written.
QString WriteWhole(const std::string& path, const std::function<bool(QIODevice&)>& write) {
  QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (!write(file)) {
    const QString error = file.errorString();
    file.cancelWriting();
    return error.isEmpty() || error == QStringLiteral("Unknown error")
               ? QStringLiteral("the content could not be written")
               : error;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

QString FileNameOf(const std::string& path) {
  return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
}

// "23, 150 to 850 kt": how many headers, the first and the last.
QString AxisText(const std::vector<std::string>& headers, const char* unit) {
  if (headers.empty()) return QStringLiteral("none");
  return QStringLiteral("%1, %2 to %3%4")
      .arg(headers.size())
      .arg(TrimmedQString(headers.front()), TrimmedQString(headers.back()),
           QString::fromLatin1(unit));
}

QString StoresText(const TableComputation& computation) {
  QStringList stores;
  for (size_t kind = 0; kind < kStoreKinds; ++kind) {
    stores << QString::fromLatin1(StoreTable[kind].store) + ' ' +
                  QStringFromView(computation.countTexts[kind]);
  }
  return stores.join(QStringLiteral(", "));
}

// Asks `control` to go on after each page, reporting the share done once a percent.
std::function<bool(int)> PageProgress(const AnalysisControl& control, int pageCount) {
  return [&control, pageCount, percent = -1](int done) mutable {
    const int now = done * 100 / pageCount;
    if (now != percent && control.progress) {
      percent = now;
      return control.progress(static_cast<double>(done) / pageCount);
    }
    return control.cancel == nullptr || !control.cancel->load();
  };
}

}  // namespace

// What a report paints and where, shared by the window's thread and the report's, one at a time.
struct ExportCommands::ReportJob {
  ReportContent content;
  std::vector<ReportSectionMaker> makers;  // run on the report's thread into content.sections
  QSizeF page;                             // points
  std::string path;                        // the PDF's, unless:
  std::shared_ptr<QPrinter> printer;       // the printer set up
  QString where;                           // the path or the printer, as the status line names it
  std::vector<ReportPage> whole;
  std::vector<ReportPage> summary;
  ReportScope scope = ReportScope::Whole;
};

ExportCommands::ExportCommands(const Workspace& workspace, QWidget& window, QMenu* fileMenu,
                               QAction* before)
    : QObject(&window),
      workspace_(workspace),
      dialogs_(std::make_unique<QtExportDialogs>(&window)) {
  setObjectName(QStringLiteral("exportCommands"));
  const struct {
    QAction* ExportCommands::*member;
    const char* name;
    QString text;
    QKeySequence shortcut;
    void (ExportCommands::*handler)();
  } items[] = {
      {&ExportCommands::mnuFileExport, "mnuFileExport", QStringLiteral("&Export Tables…"),
       QKeySequence(Qt::CTRL | Qt::Key_E), &ExportCommands::mnuFileExport_Click},
      {&ExportCommands::mnuFileReport, "mnuFileReport", QStringLiteral("Export &Report…"),
       QKeySequence(), &ExportCommands::mnuFileReport_Click},
      {&ExportCommands::mnuFilePrint, "mnuFilePrint", QStringLiteral("&Print…"),
       QKeySequence(QKeySequence::Print), &ExportCommands::mnuFilePrint_Click},
  };
  for (const auto& item : items) {
    auto* action = new QAction(item.text, fileMenu);
    action->setObjectName(QString::fromLatin1(item.name));
    action->setShortcut(item.shortcut);
    fileMenu->insertAction(before, action);
    connect(action, &QAction::triggered, this, item.handler);
    this->*item.member = action;
  }
  reportTask_ = new AnalysisTask(this);
  reportProgress = new QWidget(&window);
  reportProgress->setObjectName(QStringLiteral("reportProgress"));
  lblReport = new QLabel(reportProgress);
  lblReport->setObjectName(QStringLiteral("lblReport"));
  prgReport = new QProgressBar(reportProgress);
  prgReport->setObjectName(QStringLiteral("prgReport"));
  prgReport->setRange(0, 100);
  prgReport->setMaximumWidth(160);
  cmdReportCancel = new QPushButton(QStringLiteral("Cancel"), reportProgress);
  cmdReportCancel->setObjectName(QStringLiteral("cmdReportCancel"));
  auto* row = new QHBoxLayout(reportProgress);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(lblReport);
  row->addWidget(prgReport);
  row->addWidget(cmdReportCancel);
  reportProgress->hide();
  connect(cmdReportCancel, &QPushButton::clicked, reportTask_, &AnalysisTask::Cancel);
  connect(reportTask_, &AnalysisTask::Progress, prgReport, &QProgressBar::setValue);
  connect(reportTask_, &AnalysisTask::Cancelled, this, [this] {
    EndReport(job_->printer
                  ? QStringLiteral("Cancelled printing the report.")
                  : QStringLiteral("Cancelled the report: %1 was not written.").arg(job_->where));
  });
  connect(reportTask_, &AnalysisTask::Failed, this, [this](const QString& reason) {
    EndReport(job_->printer
                  ? QStringLiteral("The report could not be printed: %1.").arg(reason)
                  : QStringLiteral("Could not export to %1: %2").arg(job_->where, reason));
  });
}

ExportCommands::~ExportCommands() = default;

void ExportCommands::SetDialogs(std::unique_ptr<ExportDialogs> dialogs) {
  dialogs_ = std::move(dialogs);
}

void ExportCommands::AddReportSections(ReportSectionSource source) {
  sectionSources_.push_back(std::move(source));
}

void ExportCommands::ShowStatus(const QString& text) {
  emit Status(text);
}

// A table laid out again shows new headers over empty cells: nothing of the computation is
// left to export. Other changes leave its cells in place, and the export says they changed.
std::shared_ptr<const TableComputation> ExportCommands::ShownComputation(const QString& verb) {
  std::shared_ptr<const TableComputation> computation = workspace_.computation();
  if (!computation) {
    ShowStatus(QStringLiteral("Nothing to %1 yet: press Compute Table first.").arg(verb));
    return nullptr;
  }
  if (workspace_.CurrentStaleness().tableRelaid) {
    ShowStatus(QStringLiteral("The table was laid out again after Compute Table: press Compute "
                              "Table to %1 it.")
                   .arg(verb));
    return nullptr;
  }
  return computation;
}

QString ExportCommands::SuggestedName(const TableComputation& computation, ExportKind kind) const {
  const QString base =
      QFileInfo(FileNameOf(computation.aircraft->AircraftFileName)).completeBaseName();
  return (base.isEmpty() ? QStringLiteral("table") : base) + '.' + ExportSuffix(kind);
}

std::string ExportCommands::CsvText(const TableComputation& computation) const {
  CsvExportFacts facts;
  facts.program = ProgramName().toStdString();
  facts.aircraftFile = computation.aircraft->AircraftFileName;
  facts.aircraftName = workspace_.computedAircraftName().toStdString();
  facts.computingWeight = computation.compWeightText;
  facts.storeCounts = computation.countTexts;
  facts.mode = computation.mode;
  facts.staleness = workspace_.CurrentStaleness();
  std::ostringstream text;
  WriteCsvComments(facts, text);
  WriteCsvLines(workspace_.grid1(), workspace_.grid2(), text);
  return text.str();
}

void ExportCommands::mnuFileExport_Click() {
  const auto computation = ShownComputation(QStringLiteral("export"));
  if (!computation) return;
  const std::optional<std::string> path =
      dialogs_->ChooseSavePath(ExportKind::Tables, SuggestedName(*computation, ExportKind::Tables));
  if (!path) return;
  const std::string text = CsvText(*computation);
  const QString error = WriteWhole(*path, [&text](QIODevice& file) {
    return file.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
  });
  const QString shown = QFile::decodeName(QByteArray::fromStdString(*path));
  ShowStatus(error.isEmpty() ? QStringLiteral("Exported the tables to %1.").arg(shown)
                             : QStringLiteral("Could not export to %1: %2").arg(shown, error));
}

std::shared_ptr<ExportCommands::ReportJob> ExportCommands::NewReportJob() const {
  const std::shared_ptr<const TableComputation> computation = workspace_.computation();
  if (!computation || workspace_.CurrentStaleness().tableRelaid) return nullptr;
  const TableComputation& c = *computation;
  const QString& name = workspace_.computedAircraftName();
  auto job = std::make_shared<ReportJob>();
  ReportContent& report = job->content;
  report.title = QString::fromLatin1(kApplicationTitle) +
                 (name.isEmpty() ? QString() : QStringLiteral(": ") + name);
  report.inputs = {
      QStringLiteral("Aircraft file: ") + FileNameOf(c.aircraft->AircraftFileName),
      QStringLiteral("Aircraft: ") + name,
      QStringLiteral("Zero fuel weight: %1 lb").arg(QStringFromView(c.zeroFuelWeightText)),
      QStringLiteral("Computing weight: %1 lb").arg(QStringFromView(c.compWeightText)),
      QStringLiteral("Stores: ") + StoresText(c),
      QStringLiteral("Speeds (CAS): ") + AxisText(c.speedHeaders, " kt"),
      QStringLiteral("Altitudes: ") + AxisText(c.altitudeHeaders, ""),
      QStringLiteral("Second grid: ") + QStringFromView(InfoOf(c.mode).quantity),
      QStringLiteral("Result: ") + QStringFromView(c.totals.Summary()),
      QStringLiteral("Grids: ") + QStringFromView(StalenessText(workspace_.CurrentStaleness())),
      QStringLiteral("Program: %1, %2").arg(ProgramName(), QStringFromView(kLicence)),
  };
  report.grids = {
      {QStringLiteral("Fuel Flow (lb/h)"), std::make_shared<const ResultGrid>(workspace_.grid1())},
      {QStringFromView(InfoOf(c.mode).gridCaption),
       std::make_shared<const ResultGrid>(workspace_.grid2())}};
  for (const ReportSectionSource& source : sectionSources_) {
    if (ReportSectionMaker make = source(computation)) job->makers.push_back(std::move(make));
  }
  return job;
}

bool ExportCommands::RefuseWhileReporting() {
  if (!ReportRunning()) return false;
  ShowStatus(
      QStringLiteral("A report is being made: wait for it, or press Cancel beside its "
                     "progress."));
  return true;
}

void ExportCommands::mnuFileReport_Click() {
  if (RefuseWhileReporting()) return;
  const auto computation = ShownComputation(QStringLiteral("export"));
  if (!computation) return;
  const std::optional<std::string> path =
      dialogs_->ChooseSavePath(ExportKind::Report, SuggestedName(*computation, ExportKind::Report));
  if (!path) return;
  std::shared_ptr<ReportJob> job = NewReportJob();
  if (!job) return;  // the grids changed while the dialog was open
  job->path = *path;
  job->where = QFile::decodeName(QByteArray::fromStdString(*path));
  job->page = ReportPagePoints(ReportPageLayout());
  StartReport(std::move(job));
}

void ExportCommands::mnuFilePrint_Click() {
  if (RefuseWhileReporting()) return;
  if (!ShownComputation(QStringLiteral("print"))) return;
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setPageLayout(ReportPageLayout());
  printer->setDocName(QString::fromLatin1(kApplicationTitle));
  if (!dialogs_->SetUpPrinter(*printer)) return;
  std::shared_ptr<ReportJob> job = NewReportJob();
  if (!job) return;  // the grids changed while the dialog was open
  job->printer = printer;
  job->where =
      printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
  job->page = ReportPagePoints(printer->pageLayout());
  StartReport(std::move(job));
}

// First the sections and the pages, on the report's thread.
void ExportCommands::StartReport(std::shared_ptr<ReportJob> job) {
  job_ = job;
  lblReport->setText(QStringLiteral("Preparing the report…"));
  prgReport->setValue(0);
  reportProgress->show();
  reportTask_->Start([this, job](const AnalysisControl& control) -> AnalysisTask::Delivery {
    for (const ReportSectionMaker& make : job->makers) {
      for (ReportSection& section : make(control))
        job->content.sections.push_back(std::move(section));
    }
    job->whole = PlanReport(job->content, job->page, ReportScope::Whole);
    job->summary = PlanReport(job->content, job->page, ReportScope::SummaryPages);
    return [this, job] { ReportPlanned(job); };
  });
}

// Then, the scope settled, the pages.
void ExportCommands::ReportPlanned(const std::shared_ptr<ReportJob>& job) {
  const auto whole = static_cast<int>(job->whole.size());
  if (whole > kReportPagesToAsk) {
    const std::optional<ReportScope> scope =
        dialogs_->ChooseReportScope(whole, static_cast<int>(job->summary.size()));
    if (!scope) {
      EndReport(
          QStringLiteral("No report written: it was cancelled before its %L1 pages.").arg(whole));
      return;
    }
    job->scope = *scope;
  }
  const std::vector<ReportPage>* chosen =
      job->scope == ReportScope::Whole ? &job->whole : &job->summary;
  lblReport->setText(QStringLiteral("Writing %L1 pages").arg(chosen->size()));
  prgReport->setValue(0);
  reportTask_->Start([this, job, chosen](const AnalysisControl& control) -> AnalysisTask::Delivery {
    const std::vector<ReportPage>& pages = *chosen;  // held by the job
    const std::function<bool(int)> carryOn = PageProgress(control, static_cast<int>(pages.size()));
    QString error;
    if (job->printer) {
      const PaintOutcome outcome =
          PaintReport(job->content, pages, job->page, *job->printer, carryOn);
      if (outcome == PaintOutcome::Stopped && !job->printer->outputFileName().isEmpty()) {
        QFile::remove(job->printer->outputFileName());  // no half report left in a file
      }
      if (outcome == PaintOutcome::Failed) error = QStringLiteral("the printer refused it");
    } else {
      error = WriteWhole(job->path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setPageLayout(ReportPageLayout());
        writer.setTitle(job->content.title);
        writer.setCreator(ProgramName());
        return PaintReport(job->content, pages, job->page, writer, carryOn) ==
               PaintOutcome::Painted;
      });
    }
    return [this, error] { ReportPainted(error); };
  });
}

void ExportCommands::ReportPainted(const QString& error) {
  const ReportJob& job = *job_;
  if (job.printer) {
    if (!error.isEmpty()) return EndReport(QStringLiteral("The report could not be printed."));
    return EndReport((job.printer->outputFileName().isEmpty()
                          ? QStringLiteral("Sent the report to %1.")
                          : QStringLiteral("Printed the report to %1."))
                         .arg(job.where));
  }
  if (!error.isEmpty()) {
    return EndReport(QStringLiteral("Could not export to %1: %2").arg(job.where, error));
  }
  EndReport((job.scope == ReportScope::SummaryPages
                 ? QStringLiteral("Wrote the summary pages of the report to %1.")
                 : QStringLiteral("Wrote the report to %1."))
                .arg(job.where));
}

void ExportCommands::EndReport(const QString& status) {
  job_.reset();
  reportProgress->hide();
  ShowStatus(status);
  emit ReportEnded();
}

}  // namespace tz9
