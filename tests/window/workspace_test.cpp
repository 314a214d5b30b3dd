// SPDX-License-Identifier: GPL-3.0-or-later
// The workspace as a model, without a window: sequences of commands (load, edit, lay out,
// compute, change mode, load another file), the signals each must emit, in order, and the
// staleness each leaves.

#include <gtest/gtest.h>

#include <QObject>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "aircraft/aircraft_reader.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

const std::string kCheckAircraft = std::string(TZ9_EXAMPLES_DIR) + "/check-aircraft.dat";
const std::string kGenericFighter = std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat";

// Keeps what the reader shows, as the window's fields would.
struct FieldsDisplay final : AircraftDisplay {
  std::string name, zeroFuelWeight, internalFuel;
  void ShowAircraftName(const std::string& text) override { name = text; }
  void ShowZeroFuelWeight(const std::string& text) override { zeroFuelWeight = text; }
  void ShowMaxInternalFuel(const std::string& text) override { internalFuel = text; }
};

// Every signal of the workspace, by name, in the order emitted.
struct SignalLog {
  std::vector<std::string> names;
  explicit SignalLog(Workspace& w) {
    const auto note = [this](const char* name) { return [this, name] { names.push_back(name); }; };
    QObject::connect(&w, &Workspace::AircraftLoaded, note("loaded"));
    QObject::connect(&w, &Workspace::GridsAboutToBeRelaid, note("relaying"));
    QObject::connect(&w, &Workspace::GridsRelaid, note("relaid"));
    QObject::connect(&w, &Workspace::CellsChanged, note("cells"));
    QObject::connect(&w, &Workspace::ComputationChanged, note("computation"));
    QObject::connect(&w, &Workspace::StalenessMayHaveChanged, note("staleness"));
    QObject::connect(&w, &Workspace::CurrentCellChanged, note("current"));
    QObject::connect(&w, &Workspace::CellSelectionRequested, note("select"));
  }
  std::vector<std::string> Take() { return std::exchange(names, {}); }
};

// Speeds 300 to 660 kt by `step` (grid column c holds 300 + step (c - 1)), altitudes 0 and
// 40000 ft.
RangeTexts Ranges(std::string_view step) {
  return {"300", step, "660", step, "660", "0", "40000", "40000", "1000", "40000"};
}

void LoadInto(Workspace& w, const std::string& path) {
  FieldsDisplay shown;
  w.Load(path, shown);
  w.SetZeroFuelWeightText(shown.zeroFuelWeight);
  w.SetAircraftName(QString::fromStdString(shown.name));
}

struct Step {
  const char* name;
  std::function<void(Workspace&)> run;
  std::vector<std::string> emitted;
  Staleness staleness;  // after the step, of the computation that exists then
  bool computed;        // whether a computation exists after the step
};

const Staleness kCurrent{};
constexpr Staleness kRelaid{true, false, false, false};
constexpr Staleness kEdited{false, true, false, false};
constexpr Staleness kModeChanged{false, false, true, false};

TEST(Workspace, EachCommandEmitsItsSignalsAndLeavesItsStaleness) {
  const std::vector<Step> steps = {
      {"start-up layout",
       [](Workspace& w) { w.ApplyStartupLayout(); },
       {"relaying", "relaid", "staleness"},
       kCurrent,
       false},
      {"load",
       [](Workspace& w) { LoadInto(w, kCheckAircraft); },
       {"loaded", "staleness"},
       kCurrent,
       false},
      {"lay out",
       [](Workspace& w) { w.CreateTable(Ranges("10")); },
       {"relaying", "relaid", "staleness"},
       kCurrent,
       false},
      {"weight",
       [](Workspace& w) { w.SetCompWeightText("20000"); },
       {"staleness"},
       kCurrent,
       false},
      {"compute",
       [](Workspace& w) { w.Compute({}); },
       {"cells", "computation", "staleness"},
       kCurrent,
       true},
      {"edit a count", [](Workspace& w) { w.SetCountText(0, "2"); }, {"staleness"}, kEdited, true},
      {"edit it back", [](Workspace& w) { w.SetCountText(0, ""); }, {"staleness"}, kCurrent, true},
      {"change mode",
       [](Workspace& w) { w.SetMode(DisplayMode::Tas); },
       {"staleness"},
       kModeChanged,
       true},
      {"compute again",
       [](Workspace& w) { w.Compute({}); },
       {"cells", "computation", "staleness"},
       kCurrent,
       true},
      {"refused compute keeps the computation",
       [](Workspace& w) {
         w.SetCompWeightText("100");
         w.Compute({});
       },
       {"staleness", "cells"},
       kEdited,
       true},
      {"weight back",
       [](Workspace& w) { w.SetCompWeightText("20000"); },
       {"staleness"},
       kCurrent,
       true},
      {"refused layout changes nothing",
       [](Workspace& w) { w.CreateTable(Ranges("0")); },
       {"relaying", "relaid", "staleness"},
       kCurrent,
       true},
      {"re-lay",
       [](Workspace& w) { w.CreateTable(Ranges("20")); },
       {"relaying", "relaid", "staleness"},
       kRelaid,
       true},
      {"load another file",
       [](Workspace& w) { LoadInto(w, kGenericFighter); },
       {"loaded", "staleness"},
       {true, false, false, true},
       true},
  };
  Workspace w;
  SignalLog log(w);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.run(w);
    EXPECT_EQ(log.Take(), step.emitted);
    ASSERT_EQ(w.computation() != nullptr, step.computed);
    const Staleness s = w.CurrentStaleness();
    EXPECT_EQ(s.tableRelaid, step.staleness.tableRelaid);
    EXPECT_EQ(s.inputsEdited, step.staleness.inputsEdited);
    EXPECT_EQ(s.modeChanged, step.staleness.modeChanged);
    EXPECT_EQ(s.aircraftChanged, step.staleness.aircraftChanged);
  }
}

// The computation the workspace keeps is the one its grids show, made from its inputs.
TEST(Workspace, ComputesFromItsInputsIntoItsGrids) {
  Workspace w;
  w.ApplyStartupLayout();
  LoadInto(w, kCheckAircraft);
  w.CreateTable(Ranges("10"));
  w.SetCompWeightText("20000");
  w.SetAircraftName(QStringLiteral("Check"));
  const SweepOutcome outcome = w.Compute({});
  ASSERT_TRUE(outcome.Started());
  EXPECT_EQ(w.computation(), outcome.computation);
  EXPECT_EQ(w.computation()->weight, 20000);
  EXPECT_EQ(w.computedAircraftName(), QStringLiteral("Check"));
  // 300 kt at 0 ft: Military, 1896 lb/h; 600 kt: afterburner, 17110 lb/h.
  EXPECT_EQ(w.grid1().TextAt(1, 1), "1896");
  EXPECT_EQ(w.grid1().TextAt(1, 31), "17110");
  EXPECT_EQ(w.computation()->Cell(1, 31).regime, PowerRegime::Afterburner);
  w.SetAircraftName(QStringLiteral("Other"));
  EXPECT_EQ(w.computedAircraftName(), QStringLiteral("Check"));
}

TEST(Workspace, StillComputedAtFollowsTheHeaders) {
  Workspace w;
  w.ApplyStartupLayout();
  LoadInto(w, kCheckAircraft);
  w.CreateTable(Ranges("10"));
  w.SetCompWeightText("20000");
  w.Compute({});
  const auto& c = *w.computation();
  EXPECT_TRUE(w.StillComputedAt(c, {1, 1}));
  EXPECT_TRUE(w.StillComputedAt(c, {2, 37}));
  EXPECT_FALSE(w.StillComputedAt(c, {0, 1}));
  EXPECT_FALSE(w.StillComputedAt(c, {2, 38}));
  EXPECT_FALSE(w.StillComputedAt(c, {3, 1}));
  // The same first speeds, then others: the first columns still hold their cells.
  w.CreateTable(Ranges("20"));
  EXPECT_TRUE(w.StillComputedAt(c, {1, 1}));
  EXPECT_FALSE(w.StillComputedAt(c, {1, 2}));
}

// A load either completes or changes nothing: neither the record, nor what the reader shows,
// nor a signal.
TEST(Workspace, ALoadThatDoesNotCompleteChangesNothing) {
  const std::string cut = testing::TempDir() + "/cut.dat";
  const std::string missing = testing::TempDir() + "/missing.dat";
  {
    std::ifstream whole(kCheckAircraft, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  }
  Workspace w;
  LoadInto(w, kCheckAircraft);
  const AircraftRecord before = w.aircraft();
  SignalLog log(w);
  for (const std::string& path : {cut, missing}) {
    SCOPED_TRACE(path);
    FieldsDisplay shown;
    EXPECT_FALSE(w.Load(path, shown).completed);
    EXPECT_TRUE(w.aircraft() == before);
    EXPECT_EQ(w.aircraft().AircraftFileName, "check-aircraft.dat");
    EXPECT_EQ(shown.name + shown.zeroFuelWeight + shown.internalFuel, "");
    EXPECT_TRUE(log.Take().empty());
  }
  FieldsDisplay shown;
  EXPECT_TRUE(w.Load(kGenericFighter, shown).completed);
  EXPECT_FALSE(shown.name.empty());
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"loaded", "staleness"}));
}

TEST(Workspace, CurrentCellFollowsTheGridMovedInLastAndALayoutClearsIt) {
  Workspace w;
  SignalLog log(w);
  w.ApplyStartupLayout();
  log.Take();
  w.SetCurrentCell(WhichGrid::First, GridCell{2, 3});
  w.SetCurrentCell(WhichGrid::First, GridCell{2, 3});  // no move, no signal
  w.SetCurrentCell(WhichGrid::Second, GridCell{4, 5});
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"current", "current"}));
  EXPECT_EQ(w.currentCell(), (GridCell{4, 5}));
  EXPECT_EQ(w.currentCell(WhichGrid::First), (GridCell{2, 3}));
  w.SetCurrentCell(WhichGrid::First, GridCell{2, 3});  // pressed again: that grid now
  EXPECT_EQ(w.lastMovedGrid(), WhichGrid::First);
  log.Take();
  w.SelectCell({1, 1});
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"select"}));
  w.ApplyStartupLayout();
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"relaying", "relaid", "current", "staleness"}));
  EXPECT_FALSE(w.currentCell());
}

// The baseline is the computation pinned, as it was: later computations and loads leave it be.
TEST(Workspace, PinsTheLastComputationAsBaselineUntilCleared) {
  Workspace w;
  int changes = 0;
  QObject::connect(&w, &Workspace::BaselineChanged, [&changes] { ++changes; });
  w.PinBaseline();  // nothing computed: nothing to pin
  EXPECT_EQ(w.baseline(), nullptr);
  w.ApplyStartupLayout();
  LoadInto(w, kCheckAircraft);
  w.CreateTable(Ranges("10"));
  w.SetCompWeightText("20000");
  w.SetAircraftName(QStringLiteral("Check"));
  w.Compute({});
  const std::shared_ptr<const TableComputation> pinned = w.computation();
  LoadInto(w, kGenericFighter);  // pinned out of date: named as it was computed
  w.PinBaseline();
  EXPECT_EQ(w.baseline(), pinned);
  EXPECT_EQ(changes, 1);
  w.SetCountText(5, "1");
  w.Compute({});
  EXPECT_NE(w.computation(), pinned);
  EXPECT_EQ(w.baseline(), pinned);
  EXPECT_EQ(w.baselineAircraftName(), QStringLiteral("Check"));
  EXPECT_EQ(w.baseline()->aircraft->AircraftFileName, "check-aircraft.dat");
  EXPECT_EQ(changes, 1);
  w.ClearBaseline();
  w.ClearBaseline();  // nothing left to drop
  EXPECT_EQ(w.baseline(), nullptr);
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace tz9
