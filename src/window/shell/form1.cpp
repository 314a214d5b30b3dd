// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStringDecoder>
#include <algorithm>
#include <array>

#include "aircraft/aircraft_reader.h"
#include "analyses/mission_window.h"
#include "analyses/summary_window.h"
#include "common/number_text.h"
#include "grids/best_speed_marks.h"
#include "grids/grid_scroll_link.h"
#include "grids/result_grid_model.h"
#include "grids/result_grid_view.h"
#include "grids/shown_cell.h"
#include "loadout/loadout.h"
#include "output/export_commands.h"
#include "performance/sweep.h"
#include "shell/aircraft_file_drop.h"
#include "shell/aircraft_state.h"
#include "shell/baseline_commands.h"
#include "shell/caption_fit.h"
#include "shell/computation_indicators.h"
#include "shell/file_follower.h"
#include "shell/focus_rules.h"
#include "shell/grid_area_layout.h"
#include "shell/status_line.h"
#include "shell/window_memory.h"
#include "tables/table_layout.h"
#include "widgets/credits_window.h"
#include "widgets/twips.h"
#include "widgets/user_guide.h"
#include "widgets/window_messages.h"

namespace tz9 {
namespace {

// Aircraft files are single-byte text: UTF-8 where the bytes are valid UTF-8, else Latin-1,
// so that every byte shows as some character. A field holds at most maxChars characters (what a
// line edit keeps), so only the bytes that can show are decoded: a name that runs for the whole
// of a huge file costs no more than a full field.
QString TextFromFileBytes(const std::string& bytes, int maxChars) {
  constexpr size_t kMaxUtf8BytesPerChar = 3;  // a UTF-16 unit needs at most 3 bytes of UTF-8
  const size_t shown = std::min(bytes.size(), static_cast<size_t>(maxChars) * kMaxUtf8BytesPerChar);
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(shown));
  auto decoder = QStringDecoder(QStringDecoder::Utf8);
  QString text = decoder(view);  // a sequence cut at the end waits in the decoder, no error
  if (decoder.hasError()) text = QString::fromLatin1(view);
  return text.left(maxChars);
}

// The narrow labels and 40-pixel grid columns of the layout were drawn for a small sans-serif
// face of about 11 pixels; the first of these that the system has stands in for it.
QFont WindowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans Condensed")});
  font.setPixelSize(11);
  return font;
}

std::string FieldText(const QLineEdit* field) {
  return field->text().toStdString();
}

// Shows the three values the reader reports in their window fields, as it reads them.
class WindowAircraftDisplay final : public AircraftDisplay {
 public:
  WindowAircraftDisplay(QLineEdit* name, QLineEdit* zeroFuelWeight, QLineEdit* internalFuel)
      : name_(name), zeroFuelWeight_(zeroFuelWeight), internalFuel_(internalFuel) {}
  void ShowAircraftName(const std::string& name) override {
    name_->setText(TextFromFileBytes(name, name_->maxLength()));
  }
  void ShowZeroFuelWeight(const std::string& text) override {
    zeroFuelWeight_->setText(TextFromFileBytes(text, zeroFuelWeight_->maxLength()));
  }
  void ShowMaxInternalFuel(const std::string& text) override {
    internalFuel_->setText(TextFromFileBytes(text, internalFuel_->maxLength()));
  }

 private:
  QLineEdit* name_;
  QLineEdit* zeroFuelWeight_;
  QLineEdit* internalFuel_;
};

// The six count fields: the store each one counts, by its StoreTable row, and its handlers.
struct CountField {
  QLineEdit* Form1::*field;
  int storeRow;
  void (Form1::*change)();
  void (Form1::*lostFocus)();
};

constexpr CountField kCountFields[] = {
    {&Form1::txtMisAA, StoreRowOf("AIM120"), &Form1::txtMisAA_Change, &Form1::txtMisAA_LostFocus},
    {&Form1::txtMisAG, StoreRowOf("AGM65B"), &Form1::txtMisAG_Change, &Form1::txtMisAG_LostFocus},
    {&Form1::txtBombe, StoreRowOf("MK82"), &Form1::txtBombe_Change, &Form1::txtBombe_LostFocus},
    {&Form1::txtCluster, StoreRowOf("CBU-52"), &Form1::txtCluster_Change,
     &Form1::txtCluster_LostFocus},
    {&Form1::txtEcm, StoreRowOf("ALQ131"), &Form1::txtEcm_Change, &Form1::txtEcm_LostFocus},
    {&Form1::txtFuelTank, StoreRowOf("370USG"), &Form1::txtFuelTank_Change,
     &Form1::txtFuelTank_LostFocus},
};

// Every StoreTable row is counted by exactly one field.
constexpr bool EachStoreRowOnce() {
  if (std::size(kCountFields) != static_cast<size_t>(kStoreKinds)) return false;
  for (int row = 0; row < kStoreKinds; ++row) {
    int fields = 0;
    for (const CountField& count : kCountFields)
      fields += count.storeRow == row ? 1 : 0;
    if (fields != 1) return false;
  }
  return true;
}
static_assert(EachStoreRowOnce());

}  // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent),
      workspace_(new Workspace(this)),
      memory_(new WindowMemory(this)),
      chooser_(std::make_unique<DialogAircraftFileChooser>(this)),
      notifier_(std::make_unique<MessageBoxNotifier>(this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromLatin1(kApplicationTitle));
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFont(WindowFont());
  setCentralWidget(client);
  BuildControls(client);
  FitCaptions(client);
  BuildMenus();
  lblStatus = new QLabel(this);
  lblStatus->setObjectName(QStringLiteral("lblStatus"));
  statusBar()->addWidget(lblStatus, 1);
  ConnectHandlers();
  ConnectWorkspace();
  const auto cellToolTip = [this](int row, int col) {
    return CellToolTip(*workspace_, GridCell{row, col});
  };
  model1_->SetToolTipProvider(cellToolTip);
  model2_->SetToolTipProvider(cellToolTip);
  exports_ = new ExportCommands(*workspace_, *this, mnuFile, mnuFileEsci);
  connect(exports_, &ExportCommands::Status, lblStatus, &QLabel::setText);
  exports_->AddReportSections([](const std::shared_ptr<const TableComputation>& computation) {
    return [computation](const AnalysisControl& control) {
      return std::vector<ReportSection>{
          {QStringLiteral("Performance Summary"), SummaryReportLines(*computation, control), {}}};
    };
  });
  // The mission fuel window's table, as it shows it now, when it is of the report's computation.
  exports_->AddReportSections([this](const std::shared_ptr<const TableComputation>& computation) {
    const auto* mission = findChild<MissionWindow*>();
    const QStringList lines = mission ? mission->ReportLines(computation) : QStringList();
    return [lines](const AnalysisControl&) {
      if (lines.isEmpty()) return std::vector<ReportSection>();
      return std::vector<ReportSection>{{QStringLiteral("Mission Fuel"), lines, {}}};
    };
  });
  statusBar()->addPermanentWidget(exports_->reportProgress);
  new AircraftFileDrop(*this, [this](const std::string& path) { LoadAircraftPath(path); });
  new BestSpeedMarks(*workspace_, {MSFG1, MSFG2}, mnuViewMarks);
  for (QWidget* legend : {static_cast<QWidget*>(shpBestSpeed), static_cast<QWidget*>(lblBestSpeed)})
    connect(mnuViewMarks, &QAction::toggled, legend, &QWidget::setVisible);
  BuildViews();
  std::array<QString, kStoreKinds> storeNames;
  for (const CountField& count : kCountFields)
    storeNames[static_cast<size_t>(count.storeRow)] = FieldCaption(*(this->*count.field));
  workspace_->SetStoreNames(storeNames);
  new BaselineCommands(*workspace_, *this);
  Form_Load();
  status_ = new StatusLine(lblStatus, this);
  aircraftState_ = new AircraftStateMarker(client, {txtAereo, txtZFW, txtIntFuel});
  new ComputationIndicators(*workspace_, client);
  new GridAreaLayout(*this, client, *MSFG1);  // after every control of the grid area exists
  new GridScrollLink(MSFG1, MSFG2, mnuView);
  ConnectKeyboardCommands();
  AddUserGuideItem(mnuHelp1, mnuHelp, this);
  fileFollower =
      new AircraftFileFollower(*this, [this](const std::string& path) { LoadAircraftPath(path); });
  memory_->Follow(this, {});
  connect(memory_, &WindowMemory::RecentFilesChanged, this, &Form1::FillRecentMenu);
  connect(memory_, &WindowMemory::WriteFailed, lblStatus, &QLabel::setText);
  FillRecentMenu();
}

void Form1::RememberSettings() {
  memory_->Open();
  if (auto* dialog = dynamic_cast<DialogAircraftFileChooser*>(chooser_.get());
      dialog != nullptr && !memory_->LastFolder().isEmpty()) {
    dialog->SetStartFolder(memory_->LastFolder());
  }
}

void Form1::closeEvent(QCloseEvent* event) {
  memory_->SaveAll();
  QMainWindow::closeEvent(event);
}

// The recent files, newest first, each named by its file name with the whole path as its
// tooltip; "Clear" empties the list.
void Form1::FillRecentMenu() {
  mnuFileRecent->clear();
  for (const QString& path : memory_->RecentFiles()) {
    QAction* item = mnuFileRecent->addAction(QFileInfo(path).fileName());
    item->setToolTip(path);
    item->setData(path);
    connect(item, &QAction::triggered, this, [this, path] { mnuFileRecent_Triggered(path); });
  }
  if (!memory_->RecentFiles().isEmpty()) mnuFileRecent->addSeparator();
  QAction* clear = mnuFileRecent->addAction(QStringLiteral("Clear"));
  clear->setObjectName(QStringLiteral("mnuFileRecentClear"));
  clear->setEnabled(!memory_->RecentFiles().isEmpty());
  connect(clear, &QAction::triggered, memory_, &WindowMemory::ClearRecentFiles);
}

// The same steps as a file chosen in the Load dialog; a file gone since is told and forgotten.
void Form1::mnuFileRecent_Triggered(const QString& path) {
  if (!QFileInfo::exists(path)) {
    memory_->RemoveRecentFile(path);
    lblStatus->setText(
        QStringLiteral("%1 no longer exists: it was taken off the recent files.").arg(path));
    return;
  }
  LoadAircraftPath(QFile::encodeName(path).toStdString());
}

Form1::~Form1() {
  // The views outlive the grids they show by a moment: part them first.
  MSFG1->setModel(nullptr);
  MSFG2->setModel(nullptr);
}

void Form1::SetFileChooser(std::unique_ptr<AircraftFileChooser> chooser) {
  chooser_ = std::move(chooser);
}

void Form1::SetNotifier(std::unique_ptr<MessageNotifier> notifier) {
  notifier_ = std::move(notifier);
}

void Form1::ConnectHandlers() {
  connect(mnuFileApri, &QAction::triggered, this, &Form1::mnuFileApri_Click);
  connect(mnuFileSalva, &QAction::triggered, this, &Form1::mnuFileSalva_Click);
  connect(mnuFileNome, &QAction::triggered, this, &Form1::mnuFileNome_Click);
  connect(mnuFileEsci, &QAction::triggered, this, &Form1::mnuFileEsci_Click);
  connect(mnuHelp, &QAction::triggered, this, &Form1::mnuHelp_Click);
  connect(mnuCred, &QAction::triggered, this, &Form1::mnuCred_Click);
  connect(cmdTable, &QPushButton::clicked, this, &Form1::cmdTable_Click);
  connect(cmdWeight, &QPushButton::clicked, this, &Form1::cmdWeight_Click);
  connect(cmdCompute, &QPushButton::clicked, this, &Form1::cmdCompute_Click);
  for (const CountField& count : kCountFields) {
    // textChanged fires for typing and for setText alike, as the Change event does.
    connect(this->*count.field, &QLineEdit::textChanged, this, count.change);
    (this->*count.field)->installEventFilter(this);
  }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut &&
      FocusMovesWithinWindow(*static_cast<QFocusEvent*>(event), *this)) {
    for (const CountField& count : kCountFields) {
      if (watched == this->*count.field) (this->*count.lostFocus)();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_Load() {
  workspace_->ApplyStartupLayout();
}

// The Load command. The record is reset only once a file is chosen: a cancel keeps the aircraft
// the window shows, its record and every field as they were.
void Form1::mnuFileApri_Click() {
  const std::optional<std::string> path = chooser_->ChooseAircraftFile();
  if (!path) {
    lblStatus->setText(LoadCancelledText());
    return;
  }
  LoadAircraftPath(*path);
}

// A file chosen, given on the command line or dropped on the window loads the same way: the
// record reset, the file's name shown, the file read.
void Form1::LoadAircraftPath(const std::string& path) {
  const QString fileName = QFile::decodeName(QByteArray::fromStdString(AircraftFileNameOf(path)));
  WindowAircraftDisplay display(txtAereo, txtZFW, txtIntFuel);
  ShownFieldsDisplay shown(display);
  const LoadOutcome outcome = workspace_->Load(path, shown);
  if (!outcome.completed) {
    // Nothing was replaced: the record and the fields still hold the aircraft loaded before.
    const QString stillLoaded =
        StillLoadedText(workspace_->HasAircraft(), txtAereo->text(), txtFile->text());
    const QString loadedName = !workspace_->HasAircraft()             ? QString()
                               : txtAereo->text().trimmed().isEmpty() ? txtFile->text()
                                                                      : txtAereo->text().trimmed();
    aircraftState_->ShowRefusedLoad(outcome, fileName, loadedName);
    // A stop names its line; a file that could not be opened is named by the message itself.
    const QString where = outcome.line > 0 ? fileName + QStringLiteral(": ") : QString();
    lblStatus->setText(QStringLiteral("%1%2. %3.")
                           .arg(where, QString::fromStdString(outcome.Message()),
                                stillLoaded.left(1).toUpper() + stillLoaded.mid(1)));
    return;
  }
  txtFile->setText(fileName);
  aircraftState_->ShowLoad(shown.written());
  memory_->AddRecentFile(QFile::decodeName(QByteArray::fromStdString(path)));
  fileFollower->Follow(path);
  lblStatus->setText(QStringLiteral("Loaded %1.").arg(fileName));
}

void Form1::mnuFileSalva_Click() {
  ShowWorkInProgress();
}

void Form1::mnuFileNome_Click() {
  ShowWorkInProgress();
}

void Form1::mnuHelp_Click() {
  ShowWorkInProgress();
}

void Form1::mnuFileEsci_Click() {
  QApplication::exit(0);
}

// Made afresh for every showing and gone when it closes.
void Form1::mnuCred_Click() {
  frmCredits credits(this);
  credits.exec();
}

void Form1::ShowWorkInProgress() {
  notifier_->Inform(QString::fromLatin1(kApplicationTitle), QStringLiteral("Work in Progress"));
}

void Form1::cmdTable_Click() {
  const std::string texts[] = {FieldText(txtSpMi), FieldText(txtSpS1), FieldText(txtSpSt),
                               FieldText(txtSpS2), FieldText(txtSpMa), FieldText(txtAlMi),
                               FieldText(txtAlS1), FieldText(txtAlSt), FieldText(txtAlS2),
                               FieldText(txtAlMa)};
  const RangeTexts ranges{texts[0], texts[1], texts[2], texts[3], texts[4],
                          texts[5], texts[6], texts[7], texts[8], texts[9]};
  const LayoutOutcome outcome = workspace_->CreateTable(ranges);
  if (outcome.applied) {
    lblStatus->setText(QStringLiteral("Table of %1 speeds by %2 altitudes.")
                           .arg(grid1().Cols() - 1)
                           .arg(grid1().Rows() - 1));
  } else {
    ShowStatus(LayoutRefusalText(*outcome.refusal));
    status_->ExpireWhenEdited(
        {txtSpMi, txtSpS1, txtSpSt, txtSpS2, txtSpMa, txtAlMi, txtAlS1, txtAlSt, txtAlS2, txtAlMa});
  }
}

void Form1::cmdCompute_Click() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const SweepOutcome outcome = workspace_->Compute(SweepProgressReporter(QElapsedTimer()));
  QApplication::restoreOverrideCursor();
  if (!outcome.Started()) {
    const bool loadoutOverflowed = outcome.refusal == SweepRefusal::WeightNotNumber &&
                                   workspace_->inputs().compWeightText == kOverflowText;
    ShowStatus(loadoutOverflowed ? WeightOverflowText(FindLoadoutOverflow(ShownLoadout()))
                                 : SweepRefusalText(outcome.refusal));
    status_->ExpireWhenEdited({txtCompWeight, txtZFW});
    return;
  }
  ShowStatus(outcome.totals.Summary());
}

// The fields the workspace reads follow it as they change: connected after the window's own
// handlers, so that a count the handler sets to "0" reaches it as "0". Every push may make the
// last computation stale, and the workspace says so.
void Form1::ConnectWorkspace() {
  connect(txtZFW, &QLineEdit::textChanged, this,
          [this] { workspace_->SetZeroFuelWeightText(FieldText(txtZFW)); });
  connect(txtCompWeight, &QLineEdit::textChanged, this,
          [this] { workspace_->SetCompWeightText(FieldText(txtCompWeight)); });
  connect(txtAereo, &QLineEdit::textChanged, this,
          [this] { workspace_->SetAircraftName(txtAereo->text()); });
  for (const CountField& count : kCountFields) {
    QLineEdit* field = this->*count.field;
    connect(field, &QLineEdit::textChanged, this, [this, field, row = count.storeRow] {
      workspace_->SetCountText(row, FieldText(field));
    });
  }
  for (QRadioButton* option : {Option1, Option2, Option3}) {
    connect(option, &QRadioButton::toggled, this,
            [this] { workspace_->SetMode(SelectedDisplayMode()); });
  }
  PushInputs();

  for (ResultGridModel* model : {model1_, model2_}) {
    connect(workspace_, &Workspace::GridsAboutToBeRelaid, model, &ResultGridModel::BeginGridChange);
    connect(workspace_, &Workspace::GridsRelaid, model, &ResultGridModel::EndGridChange);
    connect(workspace_, &Workspace::CellsChanged, model, &ResultGridModel::CellsChanged);
  }
  const std::pair<ResultGridView*, WhichGrid> grids[] = {{MSFG1, WhichGrid::First},
                                                         {MSFG2, WhichGrid::Second}};
  for (const auto& [view, which] : grids) {
    const auto moved = [this, which = which](const QModelIndex& index) {
      workspace_->SetCurrentCell(which, index.isValid() ? std::optional<GridCell>(GridCell{
                                                              index.row() + 1, index.column() + 1})
                                                        : std::nullopt);
    };
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, moved);
    // A press on a grid's own current cell moves no current index, but makes it the cell the
    // user looks at when it was the other grid's before.
    connect(view, &QAbstractItemView::pressed, this, moved);
    connect(view, &QAbstractItemView::doubleClicked, this,
            [this, which = which] { workspace_->ActivateCell(which); });
  }
  // Cells left under headers they were not computed for look stale until the next Compute
  // Table.
  connect(workspace_, &Workspace::StalenessMayHaveChanged, this, [this] {
    const bool relaid = workspace_->CurrentStaleness().tableRelaid;
    model1_->SetMuted(relaid);
    model2_->SetMuted(relaid);
  });
  // Both grids move to a cell an analysis picked, and show it.
  connect(workspace_, &Workspace::CellSelectionRequested, this, [this](GridCell cell) {
    for (ResultGridView* view : {MSFG1, MSFG2}) {
      const QModelIndex index = view->model()->index(cell.row - 1, cell.col - 1);
      if (!index.isValid()) continue;
      view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
      view->scrollTo(index);
    }
  });
}

// The fields as they stand, for a workspace that has not seen them yet.
void Form1::PushInputs() {
  workspace_->SetZeroFuelWeightText(FieldText(txtZFW));
  workspace_->SetCompWeightText(FieldText(txtCompWeight));
  workspace_->SetAircraftName(txtAereo->text());
  for (const CountField& count : kCountFields)
    workspace_->SetCountText(count.storeRow, FieldText(this->*count.field));
  workspace_->SetMode(SelectedDisplayMode());
}

// A sweep that runs past half a second says how far it has got and lets the window repaint.
// User input waits: the headers, fields and options cannot change under a running sweep.
SweepProgress Form1::SweepProgressReporter(QElapsedTimer timer) {
  timer.start();
  return [this, timer](double fractionDone) {
    constexpr qint64 kQuietMilliseconds = 500;
    if (timer.elapsed() < kQuietMilliseconds) return;
    lblStatus->setText(
        QStringLiteral("Computing the table: %1 %").arg(static_cast<int>(fractionDone * 100)));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
}

// The mode as the sweep reads it: Option1 first, then Option2, else Mach number.
DisplayMode Form1::SelectedDisplayMode() const {
  if (Option1->isChecked()) return DisplayMode::LbsPerNm;
  if (Option2->isChecked()) return DisplayMode::Tas;
  return DisplayMode::MachNumber;
}

void Form1::cmdWeight_Click() {
  RecomputeLoadout();
}

void Form1::txtMisAA_Change() {
  CountField_Changed(txtMisAA);
}
void Form1::txtMisAG_Change() {
  CountField_Changed(txtMisAG);
}
void Form1::txtBombe_Change() {
  CountField_Changed(txtBombe);
}
void Form1::txtCluster_Change() {
  CountField_Changed(txtCluster);
}
void Form1::txtEcm_Change() {
  CountField_Changed(txtEcm);
}
void Form1::txtFuelTank_Change() {
  CountField_Changed(txtFuelTank);
}
void Form1::txtMisAA_LostFocus() {
  CountField_Changed(txtMisAA);
}
void Form1::txtMisAG_LostFocus() {
  CountField_Changed(txtMisAG);
}
void Form1::txtBombe_LostFocus() {
  CountField_Changed(txtBombe);
}
void Form1::txtCluster_LostFocus() {
  CountField_Changed(txtCluster);
}
void Form1::txtEcm_LostFocus() {
  CountField_Changed(txtEcm);
}
void Form1::txtFuelTank_LostFocus() {
  CountField_Changed(txtFuelTank);
}

// A count that is not a number becomes "0"; setting it re-enters this handler through the
// field's change signal, which recomputes once, and the outer call recomputes again. The status
// line tells what was rejected, and the "0" is selected so that the next key replaces it.
void Form1::CountField_Changed(QLineEdit* field) {
  if (!IsNumericText(FieldText(field))) {
    const QString rejected = field->text();
    field->setText(QStringLiteral("0"));
    field->selectAll();
    lblStatus->setText(CountResetText(FieldCaption(*field), rejected));
  }
  RecomputeLoadout();
}

StoreCountStrings Form1::CountTexts() const {
  StoreCountStrings texts;
  for (const CountField& count : kCountFields)
    texts[static_cast<size_t>(count.storeRow)] = FieldText(this->*count.field);
  return texts;
}

void Form1::RecomputeLoadout() {
  const StoreCountStrings counts = CountTexts();
  const LoadoutTexts figures =
      ComputeLoadout(ViewsOf(counts), FieldText(txtZFW), FieldText(txtIntFuel));
  txtExtraWeight->setText(QString::fromStdString(figures.ExtraWeight));
  txtExtFuel->setText(QString::fromStdString(figures.ExtFuel));
  txtTotalFuel->setText(QString::fromStdString(figures.TotalFuel));
  txtActualWeight->setText(QString::fromStdString(figures.ActualWeight));
  txtCompWeight->setText(QString::fromStdString(figures.CompWeight));
}

LoadoutTexts Form1::ShownLoadout() const {
  return {FieldText(txtExtraWeight), FieldText(txtExtFuel), FieldText(txtTotalFuel),
          FieldText(txtActualWeight), FieldText(txtCompWeight)};
}

void Form1::ShowStatus(const std::string& text) {
  lblStatus->setText(QString::fromStdString(text));
}

}  // namespace tz9
