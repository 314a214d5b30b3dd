// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the main window. It owns the one aircraft record and the two result grids, places
// every control at its place in twips, and turns the user's commands into calls of the core:
// Load, the loadout fields, "Create Table", "Compute Table". Outcomes the core reports (a load
// that stopped, a refused layout, cells that could not be computed) go to the status line.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>
#include <string>

#include "aircraft/aircraft_record.h"
#include "aircraft_file_chooser.h"
#include "loadout/loadout.h"
#include "message_notifier.h"
#include "performance/sweep.h"
#include "performance/table_computation.h"
#include "tables/display_mode.h"
#include "tables/result_grid.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tz9 {

class CellDetailsDock;
class AircraftStateMarker;
class ExportCommands;
class ResultGridModel;
class ResultGridView;
class StatusLine;
class BestSpeedMarks;
class MissionWindow;
class ResultGridModel;
class ResultGridView;
class SummaryWindow;
class frmCharts;

// The window caption, also the caption of its message box.
inline constexpr const char* kApplicationTitle = "Strakon TZ9 Performances";

class Form1 final : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // The tests answer the Load dialog and observe the message box through these.
  void SetFileChooser(std::unique_ptr<AircraftFileChooser> chooser);
  void SetNotifier(std::unique_ptr<MessageNotifier> notifier);

  const AircraftRecord& aircraft() const { return *aircraft_; }
  const ResultGrid& grid1() const { return grid1_; }
  const ResultGrid& grid2() const { return grid2_; }
  DisplayMode SelectedDisplayMode() const;
  // The texts of the six count fields, in StoreTable order.
  StoreCountStrings CountTexts() const;

  // The last "Compute Table" that ran (none before the first), and what it no longer matches of
  // the headers, fields, option and aircraft now (all clear while it is current).
  std::shared_ptr<const TableComputation> computation() const { return computation_; }
  Staleness CurrentStaleness() const;

  // Loads the file at path as the Load command does once a file is chosen: the record reset,
  // the fields, the status line. The command line and a dropped file load through it too.
  void LoadAircraftPath(const std::string& path);
  // File > Export Tables, Export Report and Print (their dialogs, the report's further sections).
  ExportCommands* exports() const { return exports_; }

  // Aircraft, weights and loadout.
  QLineEdit* txtFile = nullptr;
  QLineEdit* txtAereo = nullptr;
  QLineEdit* txtMisAA = nullptr;
  QLineEdit* txtMisAG = nullptr;
  QLineEdit* txtBombe = nullptr;
  QLineEdit* txtCluster = nullptr;
  QLineEdit* txtFuelTank = nullptr;
  QLineEdit* txtEcm = nullptr;
  QLineEdit* txtZFW = nullptr;
  QLineEdit* txtMTOW = nullptr;
  QLineEdit* txtIntFuel = nullptr;
  QLineEdit* txtExtFuel = nullptr;
  QLineEdit* txtTotalFuel = nullptr;
  QLineEdit* txtActualWeight = nullptr;
  QLineEdit* txtExtraWeight = nullptr;
  QLineEdit* txtCompWeight = nullptr;
  // Ranges of the table axes.
  QLineEdit* txtSpMi = nullptr;
  QLineEdit* txtSpS1 = nullptr;
  QLineEdit* txtSpSt = nullptr;
  QLineEdit* txtSpS2 = nullptr;
  QLineEdit* txtSpMa = nullptr;
  QLineEdit* txtAlMi = nullptr;
  QLineEdit* txtAlS1 = nullptr;
  QLineEdit* txtAlSt = nullptr;
  QLineEdit* txtAlS2 = nullptr;
  QLineEdit* txtAlMa = nullptr;
  // Commands, the second grid's choice, the grids and the status line.
  QPushButton* cmdTable = nullptr;
  QPushButton* cmdWeight = nullptr;
  QPushButton* cmdCompute = nullptr;
  QLabel* Label1 = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QRadioButton* Option3 = nullptr;
  QFrame* Shape1 = nullptr;
  QFrame* Shape2 = nullptr;
  QFrame* Shape3 = nullptr;
  QFrame* Shape4 = nullptr;
  ResultGridView* MSFG1 = nullptr;
  ResultGridView* MSFG2 = nullptr;
  QLabel* lblStatus = nullptr;
  // Menus.
  QMenu* mnuFile = nullptr;
  QAction* mnuFileApri = nullptr;
  QAction* mnuFileSalva = nullptr;
  QAction* mnuFileNome = nullptr;
  QAction* mnuFileEsci = nullptr;
  QMenu* mnuView = nullptr;
  QAction* mnuViewMarks = nullptr;
  QAction* mnuViewSummary = nullptr;
  QAction* mnuViewMission = nullptr;
  QAction* mnuViewCharts = nullptr;
  QMenu* mnuHelp1 = nullptr;
  QAction* mnuHelp = nullptr;
  QAction* mnuCred = nullptr;
  // The panel of the current cell's details (View > Cell Details).
  CellDetailsDock* dockCellDetails = nullptr;
  // The analyses beside the grids: the best-speed marks, the summary and mission fuel windows.
  BestSpeedMarks* bestSpeedMarks = nullptr;
  SummaryWindow* frmSummary = nullptr;
  MissionWindow* frmMission = nullptr;

  // Handlers, named after their control and event.
  void Form_Load();
  void mnuFileApri_Click();
  void mnuFileSalva_Click();
  void mnuFileNome_Click();
  void mnuFileEsci_Click();
  void mnuHelp_Click();
  void mnuCred_Click();
  void mnuViewCharts_Click();
  void cmdTable_Click();
  void cmdWeight_Click();
  void cmdCompute_Click();
  void txtMisAA_Change();
  void txtMisAG_Change();
  void txtBombe_Change();
  void txtCluster_Change();
  void txtEcm_Change();
  void txtFuelTank_Change();
  void txtMisAA_LostFocus();
  void txtMisAG_LostFocus();
  void txtBombe_LostFocus();
  void txtCluster_LostFocus();
  void txtEcm_LostFocus();
  void txtFuelTank_LostFocus();

 signals:
  // A "Compute Table" has run and computation() holds its result.
  void ComputationChanged();
  // CurrentStaleness() may answer otherwise, or computation() was replaced: whatever says
  // whether the last computation still matches listens to this one signal.
  void StalenessMayHaveChanged();
  // A file was loaded into aircraft(), completely or not: chosen with Load, dropped on the
  // window or named on the command line.
  void AircraftLoaded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Built in form1_controls.cpp.
  void BuildControls(QWidget* client);
  void BuildFields(QWidget* client);
  void BuildLabels(QWidget* client);
  void BuildButtons(QWidget* client);
  void BuildLegend(QWidget* client);
  void BuildLines(QWidget* client);
  void BuildGrids(QWidget* client);
  void BuildMenus();
  void SetFocusOrder();

  void ConnectHandlers();
  void ConnectStalenessReasons();
  void CountField_Changed(QLineEdit* field);
  void RecomputeLoadout();
  // The five loadout figures as their fields show them now.
  LoadoutTexts ShownLoadout() const;
  void ShowWorkInProgress();
  void ShowStatus(const std::string& text);
  void BeginGridChange();
  SweepProgress SweepProgressReporter(QElapsedTimer timer);
  void EndGridChange();

  std::unique_ptr<AircraftRecord> aircraft_;
  ResultGrid grid1_;
  ResultGrid grid2_;
  ResultGridModel* model1_ = nullptr;
  ResultGridModel* model2_ = nullptr;
  std::unique_ptr<AircraftFileChooser> chooser_;
  std::unique_ptr<MessageNotifier> notifier_;
  std::shared_ptr<const TableComputation> computation_;
  StatusLine* status_ = nullptr;
  AircraftStateMarker* aircraftState_ = nullptr;
  ExportCommands* exports_ = nullptr;  // a child of the window
  frmCharts* charts_ = nullptr;        // made on first use, then kept (hidden when closed)
};

}  // namespace tz9
