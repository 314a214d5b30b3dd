// SPDX-License-Identifier: GPL-3.0-or-later
// The "Mission Fuel" window (frmMission): from the last computation's weight and loadout, how
// far and how long the fuel lasts at every altitude as the weight falls (best range, best
// endurance, an optional cruise speed) and the bingo fuel for an optional way home. The user
// types a reserve, a cruise CAS and a distance; the burn runs off the window's thread. What no
// altitude can fly (a reserve at or above the fuel on board, a cruise CAS never steady, a way
// home beyond the fuel) is told beside its field, and why each schedule has no answer in its row.
#pragma once

#include <optional>

#include "analyses/analysis_window.h"
#include "performance/mission_fuel.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tz9 {

class Workspace;
class ResultGridView;

class MissionWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  // A window of parent's over the workspace, closed at start; opener opens it.
  MissionWindow(Workspace& workspace, QWidget* parent, QAction* opener);

  // The click of cmdMission: reads the three fields and, when each is sound, starts the burn
  // over the last computation.
  void cmdMission_Click();

  // The lines of the report's mission section, when the window shows the mission fuel of this
  // computation: the weights, what the fields could not give, the table and its notes. Empty
  // otherwise.
  QStringList ReportLines(const std::shared_ptr<const TableComputation>& computation) const;

  QLabel* lblMissionFor = nullptr;
  QLabel* lblMissionState = nullptr;
  QLineEdit* txtReserve = nullptr;
  QLineEdit* txtCruiseCas = nullptr;
  QLineEdit* txtBingoDistance = nullptr;
  QLabel* lblReserveError = nullptr;
  QLabel* lblCruiseCasError = nullptr;
  QLabel* lblBingoDistanceError = nullptr;
  QPushButton* cmdMission = nullptr;
  QLabel* lblMissionWeights = nullptr;
  ResultGridView* grdMission = nullptr;
  QLabel* lblMissionLegend = nullptr;

 protected:
  void RefreshState() override;

 private:
  struct Result;

  std::optional<MissionInputs> ReadInputs();
  void Start(const MissionInputs& inputs);
  void ShowResult(Result& result);  // takes the table out of the result

  QStringList reportLines_;  // of the table shown
};

}  // namespace tz9
