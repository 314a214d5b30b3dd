// SPDX-License-Identifier: GPL-3.0-or-later

#include "workspace/workspace.h"

#include <utility>
#include <vector>

namespace tz9 {

Workspace::Workspace(QObject* parent)
    : QObject(parent), aircraft_(std::make_unique<AircraftRecord>()) {
  setObjectName(QStringLiteral("workspace"));
}

Workspace::~Workspace() = default;

void Workspace::SetZeroFuelWeightText(const std::string& text) {
  inputs_.zeroFuelWeightText = text;
}

void Workspace::SetCompWeightText(const std::string& text) {
  inputs_.compWeightText = text;
  emit StalenessMayHaveChanged();
}

void Workspace::SetCountText(int storeRow, const std::string& text) {
  inputs_.countTexts[static_cast<size_t>(storeRow)] = text;
  emit StalenessMayHaveChanged();
}

void Workspace::SetMode(DisplayMode mode) {
  inputs_.mode = mode;
  emit StalenessMayHaveChanged();
}

void Workspace::SetAircraftName(const QString& name) {
  aircraftName_ = name;
}

void Workspace::ApplyStartupLayout() {
  emit GridsAboutToBeRelaid();
  tz9::ApplyStartupLayout(grid1_, grid2_);
  emit GridsRelaid();
  ForgetCurrentCells();
  emit StalenessMayHaveChanged();
}

namespace {

// Keeps what the reader shows until the read is known to have completed.
class HeldDisplay final : public AircraftDisplay {
 public:
  void ShowAircraftName(const std::string& name) override { name_ = name; }
  void ShowZeroFuelWeight(const std::string& text) override { zeroFuelWeight_ = text; }
  void ShowMaxInternalFuel(const std::string& text) override { internalFuel_ = text; }

  void PassOn(AircraftDisplay& display) const {
    if (name_) display.ShowAircraftName(*name_);
    if (zeroFuelWeight_) display.ShowZeroFuelWeight(*zeroFuelWeight_);
    if (internalFuel_) display.ShowMaxInternalFuel(*internalFuel_);
  }

 private:
  std::optional<std::string> name_;
  std::optional<std::string> zeroFuelWeight_;
  std::optional<std::string> internalFuel_;
};

}  // namespace

LoadOutcome Workspace::Load(const std::string& path, AircraftDisplay& display) {
  // A copy, not a new record: the reset keeps what a file may leave unset (the fuel-flow
  // factors), as earlier loads left it.
  auto read = std::make_unique<AircraftRecord>(*aircraft_);
  ResetAircraftRecord(*read);
  read->AircraftFilePath = path;
  read->AircraftFileName = AircraftFileNameOf(path);
  HeldDisplay held;
  const LoadOutcome outcome = LoadAircraftFile(path, *read, held);
  if (!outcome.completed) return outcome;
  aircraft_ = std::move(read);
  held.PassOn(display);
  emit AircraftLoaded();
  emit StalenessMayHaveChanged();
  return outcome;
}

LayoutOutcome Workspace::CreateTable(const RangeTexts& ranges) {
  emit GridsAboutToBeRelaid();
  const LayoutOutcome outcome = CreateTableLayout(ranges, grid1_, grid2_);
  emit GridsRelaid();
  ForgetCurrentCells();
  emit StalenessMayHaveChanged();
  return outcome;
}

namespace {

SweepInputs SweepInputsOf(const WorkspaceInputs& inputs) {
  SweepInputs sweep;
  sweep.zeroFuelWeight = inputs.zeroFuelWeightText;
  sweep.compWeight = inputs.compWeightText;
  sweep.counts = ViewsOf(inputs.countTexts);
  sweep.mode = inputs.mode;
  return sweep;
}

}  // namespace

SweepRefusal Workspace::CheckCompute() const {
  return CheckSweep(SweepInputsOf(inputs_), grid1_, grid2_);
}

SweepOutcome Workspace::Compute(const SweepProgress& progress) {
  const SweepInputs inputs = SweepInputsOf(inputs_);
  // The sweep overwrites every cell the last computation describes: let it go first, so that a
  // large table never holds two computations' cells at once.
  if (CheckSweep(inputs, grid1_, grid2_) == SweepRefusal::None) computation_.reset();
  SweepOutcome outcome = ComputeTable(*aircraft_, inputs, grid1_, grid2_, progress);
  emit CellsChanged();
  if (!outcome.Started()) return outcome;
  computation_ = outcome.computation;
  computedAircraftName_ = aircraftName_;
  emit ComputationChanged();
  emit StalenessMayHaveChanged();
  return outcome;
}

Staleness Workspace::CurrentStaleness() const {
  if (!computation_) return {};
  CurrentInputs now;
  for (int col = 1; col < grid1_.Cols(); ++col)
    now.speedHeaders.push_back(grid1_.TextAt(0, col));
  for (int row = 1; row < grid1_.Rows(); ++row)
    now.altitudeHeaders.push_back(grid1_.TextAt(row, 0));
  now.compWeightText = inputs_.compWeightText;
  now.countTexts = ViewsOf(inputs_.countTexts);
  now.mode = inputs_.mode;
  now.aircraft = aircraft_.get();
  return CompareWithCurrent(*computation_, now);
}

bool Workspace::StillComputedAt(const TableComputation& computation, GridCell cell) const {
  if (cell.row < 1 || cell.col < 1 || cell.row > computation.AltitudeCount() ||
      cell.col > computation.SpeedCount() || cell.row >= grid1_.Rows() ||
      cell.col >= grid1_.Cols()) {
    return false;
  }
  return grid1_.TextAt(cell.row, 0) == computation.altitudeHeaders[cell.row - 1] &&
         grid1_.TextAt(0, cell.col) == computation.speedHeaders[cell.col - 1];
}

void Workspace::PinBaseline() {
  if (!computation_) return;
  baseline_ = computation_;
  baselineAircraftName_ = computedAircraftName_;
  emit BaselineChanged();
}

void Workspace::ClearBaseline() {
  if (!baseline_) return;
  baseline_.reset();
  baselineAircraftName_.clear();
  emit BaselineChanged();
}

std::optional<GridCell> Workspace::currentCell(WhichGrid grid) const {
  return current_[grid == WhichGrid::First ? 0 : 1];
}

void Workspace::SetCurrentCell(WhichGrid grid, std::optional<GridCell> cell) {
  std::optional<GridCell>& current = current_[grid == WhichGrid::First ? 0 : 1];
  if (current == cell && lastMoved_ == grid) return;
  current = cell;
  lastMoved_ = grid;
  emit CurrentCellChanged();
}

void Workspace::ActivateCell(WhichGrid grid) {
  lastMoved_ = grid;
  emit CellActivated();
}

void Workspace::ForgetCurrentCells() {
  if (!current_[0] && !current_[1]) return;
  current_ = {};
  emit CurrentCellChanged();
}

}  // namespace tz9
