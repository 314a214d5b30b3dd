// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/export_commands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <sstream>

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

}  // namespace

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

std::optional<ReportContent> ExportCommands::ShownReport() const {
  const std::shared_ptr<const TableComputation> computation = workspace_.computation();
  if (!computation || workspace_.CurrentStaleness().tableRelaid) return std::nullopt;
  const TableComputation& c = *computation;
  const QString& name = workspace_.computedAircraftName();
  ReportContent report;
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
  report.grids = {{QStringLiteral("Fuel Flow (lb/h)"), &workspace_.grid1()},
                  {QStringFromView(InfoOf(c.mode).gridCaption), &workspace_.grid2()}};
  for (const ReportSectionSource& source : sectionSources_) {
    for (ReportSection& section : source(c))
      report.sections.push_back(std::move(section));
  }
  return report;
}

void ExportCommands::mnuFileReport_Click() {
  const auto computation = ShownComputation(QStringLiteral("export"));
  if (!computation) return;
  const std::optional<std::string> path =
      dialogs_->ChooseSavePath(ExportKind::Report, SuggestedName(*computation, ExportKind::Report));
  if (!path) return;
  const std::optional<ReportContent> report = ShownReport();
  if (!report) return;  // the grids changed while the dialog was open
  const QString error = WriteWhole(*path, [&report](QIODevice& file) {
    QPdfWriter writer(&file);
    writer.setPageLayout(ReportPageLayout());
    writer.setTitle(report->title);
    writer.setCreator(ProgramName());
    return PaintReport(*report, writer);
  });
  const QString shown = QFile::decodeName(QByteArray::fromStdString(*path));
  ShowStatus(error.isEmpty() ? QStringLiteral("Wrote the report to %1.").arg(shown)
                             : QStringLiteral("Could not export to %1: %2").arg(shown, error));
}

void ExportCommands::mnuFilePrint_Click() {
  if (!ShownComputation(QStringLiteral("print"))) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(ReportPageLayout());
  printer.setDocName(QString::fromLatin1(kApplicationTitle));
  if (!dialogs_->SetUpPrinter(printer)) return;
  const std::optional<ReportContent> report = ShownReport();
  if (!report) return;  // the grids changed while the dialog was open
  if (!PaintReport(*report, printer)) {
    ShowStatus(QStringLiteral("The report could not be printed."));
    return;
  }
  ShowStatus(printer.outputFileName().isEmpty()
                 ? QStringLiteral("Sent the report to %1.").arg(printer.printerName())
                 : QStringLiteral("Printed the report to %1.").arg(printer.outputFileName()));
}

}  // namespace tz9
