// SPDX-License-Identifier: GPL-3.0-or-later
// The "Climb and Turn" window (frmClimbTurn): for every altitude of the last computation what
// the excess thrust buys, to the knot over the table's speeds: the best climb speed and rate in
// Military power and with afterburner, the time and fuel to climb there from the first row, the
// best sustained turn and the corner speed, up to a g limit the user types; above the table the
// service ceiling of each power. Below it three charts: the E-M diagram of the row picked in the
// table (turn rate against CAS or Mach), the best climb rate and the time to climb against
// altitude. The table and the E-M diagram are computed off the window's thread.
#pragma once

#include <memory>
#include <optional>

#include "analyses/analysis_window.h"
#include "performance/chart_model.h"
#include "performance/climb_turn.h"
#include "performance/em_chart.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tz9 {

class ChartCanvas;
class ImagePathChooser;
class ResultGridView;
class Workspace;

class ClimbTurnWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  // A window of parent's over the workspace, closed at start; opener opens it.
  ClimbTurnWindow(Workspace& workspace, QWidget* parent, QAction* opener);
  ~ClimbTurnWindow() override;

  // The click of cmdClimbTurn: reads the g limit and, when it is sound, starts the scan of the
  // last computation.
  void cmdClimbTurn_Click();
  // Writes the chart shown as PNG or SVG, by the path's ending; says why when it cannot.
  bool SaveImage(const QString& path);
  // The tests answer the Save Image dialog through this.
  void SetImagePathChooser(std::unique_ptr<ImagePathChooser> chooser);

  // The grid row of the E-M diagram drawn; none before one is drawn.
  std::optional<int> EmRow() const { return emRow_; }
  bool EmRunning() const;

  QLabel* lblClimbTurnFor = nullptr;
  QLabel* lblClimbTurnState = nullptr;
  QLineEdit* txtGLimit = nullptr;
  QLabel* lblGLimitError = nullptr;
  QPushButton* cmdClimbTurn = nullptr;
  QLabel* lblCeilings = nullptr;
  ResultGridView* grdClimbTurn = nullptr;
  QLabel* lblClimbTurnLegend = nullptr;
  QRadioButton* optEmCas = nullptr;
  QRadioButton* optEmMach = nullptr;
  QPushButton* cmdCopyImage = nullptr;
  QPushButton* cmdSaveImage = nullptr;
  QTabWidget* tabClimbTurnCharts = nullptr;
  ChartCanvas* chtEm = nullptr;
  ChartCanvas* chtClimbRate = nullptr;
  ChartCanvas* chtTimeToClimb = nullptr;
  QLabel* lblClimbTurnChartStatus = nullptr;

 signals:
  // An E-M diagram was drawn for a row, or could not be.
  void EmDrawn();

 protected:
  void RefreshState() override;

 private:
  struct Result;
  struct EmResult;

  QWidget* BuildCharts();
  std::optional<double> ReadGLimit();
  void Start(double gLimit);
  void ShowResult(Result& result);  // takes the table out of the result
  void StartEm(int gridRow);
  void ShowEm(const EmResult& result);
  void DrawEm();
  void DrawClimbCharts();
  void cmdSaveImage_Click();

  AnalysisTask* emTask_ = nullptr;
  double shownGLimit_ = kDefaultGLimit;
  std::shared_ptr<const ClimbTurnReport> report_;  // of shown()
  std::optional<int> emRow_;
  std::shared_ptr<const EmChart> em_;  // of emRow_
  ChartSpeed emSpeed_ = ChartSpeed::Cas;
  std::unique_ptr<ImagePathChooser> imageChooser_;
};

}  // namespace tz9
