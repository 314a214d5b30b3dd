// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the main window, the shell around the workspace. It places every control at its place
// in twips, pushes the fields' edits into the workspace, turns the user's commands into the
// workspace's (Load, "Create Table", "Compute Table") and the loadout figures, and shows what
// comes back: outcomes the core reports (a load that stopped, a refused layout, cells that could
// not be computed) go to the status line. The views beside the grids watch the workspace.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>
#include <string>

#include "aircraft/aircraft_record.h"
#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "performance/table_computation.h"
#include "tables/display_mode.h"
#include "tables/result_grid.h"
#include "widgets/aircraft_file_chooser.h"
#include "widgets/message_notifier.h"
#include "widgets/window_messages.h"
#include "workspace/workspace.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tz9 {

class AircraftFileFollower;
class AircraftStateMarker;
class WindowMemory;
class ExportCommands;
class ResultGridModel;
class ResultGridView;
class StatusLine;

class Form1 final : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // The tests answer the Load dialog and observe the message box through these.
  void SetFileChooser(std::unique_ptr<AircraftFileChooser> chooser);
  void SetNotifier(std::unique_ptr<MessageNotifier> notifier);
  // Reads the settings of earlier runs and writes this run's: the recent files, the Load
  // dialog's folder, the places of the windows and the analysis windows' own fields. Without
  // it (tests, --no-settings) the window keeps them for this run only.
  void RememberSettings();

  // The document the window shows; every view watches it.
  Workspace& workspace() const { return *workspace_; }
  const AircraftRecord& aircraft() const { return workspace_->aircraft(); }
  const ResultGrid& grid1() const { return workspace_->grid1(); }
  const ResultGrid& grid2() const { return workspace_->grid2(); }
  DisplayMode SelectedDisplayMode() const;
  // The texts of the six count fields, in StoreTable order.
  StoreCountStrings CountTexts() const;

  // The last "Compute Table" that ran (none before the first), and what it no longer matches of
  // the headers, fields, option and aircraft now (all clear while it is current).
  std::shared_ptr<const TableComputation> computation() const { return workspace_->computation(); }
  Staleness CurrentStaleness() const { return workspace_->CurrentStaleness(); }

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
  QFrame* shpBestSpeed = nullptr;  // a framed swatch: the best-speed marks, while they show
  QLabel* lblBestSpeed = nullptr;
  ResultGridView* MSFG1 = nullptr;
  ResultGridView* MSFG2 = nullptr;
  QLabel* lblStatus = nullptr;
  // Menus.
  QMenu* mnuFile = nullptr;
  QAction* mnuFileApri = nullptr;
  QMenu* mnuFileRecent = nullptr;  // the last files loaded, newest first, and "Clear"
  QAction* mnuFileSalva = nullptr;
  QAction* mnuFileNome = nullptr;
  QAction* mnuFileEsci = nullptr;
  QMenu* mnuView = nullptr;
  QAction* mnuViewMarks = nullptr;
  // Made from the table of views (form1_views.cpp), with the views they open.
  QAction* mnuViewSummary = nullptr;
  QAction* mnuViewMission = nullptr;
  QAction* mnuViewCharts = nullptr;
  QAction* mnuViewClimbTurn = nullptr;
  QAction* mnuViewDetails = nullptr;
  QAction* mnuViewCompare = nullptr;
  // Made with the baseline's commands (baseline_commands.cpp), and the baseline's name beside
  // the status line.
  QAction* mnuViewPinBaseline = nullptr;
  QAction* mnuViewClearBaseline = nullptr;
  QLabel* lblBaseline = nullptr;
  QMenu* mnuHelp1 = nullptr;
  QAction* mnuHelp = nullptr;
  QAction* mnuCred = nullptr;

  // The bar above the grids that says the loaded file changed on disk.
  AircraftFileFollower* fileFollower = nullptr;

  // Handlers, named after their control and event.
  void Form_Load();
  void mnuFileApri_Click();
  void mnuFileSalva_Click();
  void mnuFileNome_Click();
  void mnuFileEsci_Click();
  void mnuHelp_Click();
  void mnuCred_Click();
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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

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

  // Built in form1_views.cpp: the View menu's windows and docks, from one table.
  void BuildViews();
  // In keyboard_commands.cpp: Enter in a field presses its command, F5 computes.
  void ConnectKeyboardCommands();

  void ConnectHandlers();
  void FillRecentMenu();
  void mnuFileRecent_Triggered(const QString& path);
  // Every field the workspace reads is pushed into it as it changes; the grids' current cells
  // too, and the workspace's requests to move them.
  void ConnectWorkspace();
  void PushInputs();
  void CountField_Changed(QLineEdit* field);
  void RecomputeLoadout();
  // The five loadout figures as their fields show them now.
  LoadoutTexts ShownLoadout() const;
  void ShowWorkInProgress();
  void ShowStatus(const std::string& text);
  SweepProgress SweepProgressReporter(QElapsedTimer timer);

  Workspace* workspace_;  // a child of the window, made first
  WindowMemory* memory_;  // a child of the window
  ResultGridModel* model1_ = nullptr;
  ResultGridModel* model2_ = nullptr;
  std::unique_ptr<AircraftFileChooser> chooser_;
  std::unique_ptr<MessageNotifier> notifier_;
  StatusLine* status_ = nullptr;
  AircraftStateMarker* aircraftState_ = nullptr;
  ExportCommands* exports_ = nullptr;  // a child of the window
};

}  // namespace tz9
