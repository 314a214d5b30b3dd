// SPDX-License-Identifier: GPL-3.0-or-later
// Workspace: the document the window works on. It owns the aircraft record and file, the two
// result grids, the current inputs (the weight and count texts, the second grid's choice), the
// last computation and the current cell; it runs Load, the layouts and Compute Table through the
// core and says what changed by its signals. Views watch it and never the main window; it has
// no widgets and words nothing: outcomes go back to the caller, which tells the user.
//
//   shell (Form1) --edits, commands--> Workspace --signals--> grids, analyses, output, indicators
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "aircraft/aircraft_reader.h"
#include "aircraft/aircraft_record.h"
#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "performance/table_computation.h"
#include "tables/display_mode.h"
#include "tables/result_grid.h"
#include "tables/table_layout.h"

namespace tz9 {

enum class WhichGrid { First, Second };

// The texts of the fields a computation reads, as they stand now.
struct WorkspaceInputs {
  std::string zeroFuelWeightText;
  std::string compWeightText;
  StoreCountStrings countTexts;  // StoreTable order
  DisplayMode mode = DisplayMode::LbsPerNm;
};

class Workspace final : public QObject {
  Q_OBJECT

 public:
  explicit Workspace(QObject* parent = nullptr);
  ~Workspace() override;

  const AircraftRecord& aircraft() const { return *aircraft_; }
  // The aircraft's name as the window shows it (the record keeps none).
  const QString& aircraftName() const { return aircraftName_; }
  // The name shown when the last computation was made: another aircraft may be loaded since.
  const QString& computedAircraftName() const { return computedAircraftName_; }
  const ResultGrid& grid1() const { return grid1_; }
  const ResultGrid& grid2() const { return grid2_; }
  const WorkspaceInputs& inputs() const { return inputs_; }

  // The last Compute Table that ran (none before the first), and what it no longer matches of
  // the headers, inputs and aircraft now (all clear while it is current).
  std::shared_ptr<const TableComputation> computation() const { return computation_; }
  Staleness CurrentStaleness() const;
  // Whether grid cell (row, col) still stands under the headers computation gave it: a layout
  // since may have put another speed or altitude there.
  bool StillComputedAt(const TableComputation& computation, GridCell cell) const;

  // The baseline the compare views hold the current computation against: a computation pinned
  // as it was (its own aircraft record, file name, weight, counts and layout), with the
  // aircraft's name as shown when it was computed. None until pinned.
  std::shared_ptr<const TableComputation> baseline() const { return baseline_; }
  const QString& baselineAircraftName() const { return baselineAircraftName_; }
  // Pins the last computation as the baseline (nothing when there is none); drops it.
  void PinBaseline();
  void ClearBaseline();
  // The names of the six store counts as the window's fields call them, StoreTable order.
  const std::array<QString, kStoreKinds>& storeNames() const { return storeNames_; }
  void SetStoreNames(const std::array<QString, kStoreKinds>& names) { storeNames_ = names; }

  // The current cell of each grid, and the grid the user last moved in.
  std::optional<GridCell> currentCell(WhichGrid grid) const;
  WhichGrid lastMovedGrid() const { return lastMoved_; }
  // The cell the user looks at: that of the grid moved in last.
  std::optional<GridCell> currentCell() const { return currentCell(lastMoved_); }

  // The inputs, pushed by the window as they are edited.
  void SetZeroFuelWeightText(const std::string& text);
  void SetCompWeightText(const std::string& text);
  void SetCountText(int storeRow, const std::string& text);
  void SetMode(DisplayMode mode);
  void SetAircraftName(const QString& name);

  // The start-up table of the window.
  void ApplyStartupLayout();
  // Reads the file at path into a reset copy of the record. Only a read that completes replaces
  // the record, and only then is what the reader showed passed on to display (in the order it
  // showed it); a read that stops, or a file that cannot be opened, changes nothing.
  LoadOutcome Load(const std::string& path, AircraftDisplay& display);
  // Whether a file has been loaded (completely) since the start.
  bool HasAircraft() const { return !aircraft_->AircraftFilePath.empty(); }
  // "Create Table": both grids laid out afresh from the ranges, or nothing changed.
  LayoutOutcome CreateTable(const RangeTexts& ranges);
  // Whether Compute Table would start with the inputs now, and why not.
  SweepRefusal CheckCompute() const;
  // "Compute Table" with the inputs now; progress as the sweep reports it.
  SweepOutcome Compute(const SweepProgress& progress);

  // A grid's current cell moved (or was pressed again); nullopt: no current cell.
  void SetCurrentCell(WhichGrid grid, std::optional<GridCell> cell);
  // Asks the grids to move to cell (an analysis picked it).
  void SelectCell(GridCell cell) { emit CellSelectionRequested(cell); }
  // The user asked for everything about a grid's current cell (a double-click).
  void ActivateCell(WhichGrid grid);

 signals:
  // A file was loaded into aircraft(), completely or not.
  void AircraftLoaded();
  // Both grids are about to be laid out afresh, and have been.
  void GridsAboutToBeRelaid();
  void GridsRelaid();
  // A sweep wrote the data cells (not the headers or the size).
  void CellsChanged();
  // A Compute Table ran and computation() holds its result.
  void ComputationChanged();
  // CurrentStaleness() may answer otherwise, or computation() was replaced.
  void StalenessMayHaveChanged();
  void CurrentCellChanged();
  void CellSelectionRequested(GridCell cell);
  void CellActivated();
  // baseline() was pinned, replaced or dropped.
  void BaselineChanged();

 private:
  std::unique_ptr<AircraftRecord> aircraft_;
  QString aircraftName_;
  QString computedAircraftName_;
  ResultGrid grid1_;
  ResultGrid grid2_;
  WorkspaceInputs inputs_;
  std::shared_ptr<const TableComputation> computation_;
  std::shared_ptr<const TableComputation> baseline_;
  QString baselineAircraftName_;
  std::array<QString, kStoreKinds> storeNames_;
  // A layout leaves the grids with no current cell.
  void ForgetCurrentCells();

  std::array<std::optional<GridCell>, 2> current_;
  WhichGrid lastMoved_ = WhichGrid::First;
};

}  // namespace tz9
