// SPDX-License-Identifier: GPL-3.0-or-later
// The "Mission Fuel" window (frmMission): from the last computation's weight and loadout, how
// far and how long the fuel lasts at every altitude as the weight falls (best range, best
// endurance, an optional cruise speed) and the bingo fuel for an optional way home. The user
// types a reserve, a cruise CAS and a distance; the burn runs off the window's thread.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "performance/mission_fuel.h"
#include "performance/table_computation.h"
#include "tables/result_grid.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tz9 {

class AnalysisProgress;
class AnalysisTask;
class Form1;
class ResultGridModel;
class ResultGridView;

class MissionWindow final : public QWidget {
  Q_OBJECT

 public:
  // A window of form's, closed at start; form.mnuViewMission opens it.
  explicit MissionWindow(Form1& form);
  ~MissionWindow() override;

  void Open();
  // The computation the table stands for; none before the first mission.
  std::shared_ptr<const TableComputation> shown() const { return shown_; }
  bool Running() const;
  // The table as shown: row 0 the captions, column 0 the altitude headers.
  const ResultGrid& table() const { return table_; }

  // The click of cmdMission: reads the three fields and, when each is sound, starts the burn
  // over the last computation.
  void cmdMission_Click();

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
  AnalysisProgress* progress = nullptr;

 signals:
  // A run ended: its table is shown, or it was cancelled or failed.
  void RunEnded();

 private:
  struct Result;

  std::optional<MissionInputs> ReadInputs();
  void Start(const MissionInputs& inputs);
  void ShowResult(Result& result);  // takes the table out of the result
  void RefreshState();

  Form1& form_;
  AnalysisTask* task_;
  ResultGrid table_;
  ResultGridModel* model_ = nullptr;
  std::shared_ptr<const TableComputation> shown_;
  QString note_;  // how the last run ended, when not as planned
};

}  // namespace tz9
