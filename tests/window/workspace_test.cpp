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

// Every signal of the workspace, by name, blank-separated in the order emitted.
struct SignalLog {
  std::string names;
  explicit SignalLog(Workspace& w) {
    const auto note = [this](const char* name) {
      return [this, name] { names += (names.empty() ? "" : " ") + std::string(name); };
    };
    QObject::connect(&w, &Workspace::AircraftLoaded, note("loaded"));
    QObject::connect(&w, &Workspace::GridsAboutToBeRelaid, note("relaying"));
    QObject::connect(&w, &Workspace::GridsRelaid, note("relaid"));
    QObject::connect(&w, &Workspace::CellsChanged, note("cells"));
    QObject::connect(&w, &Workspace::ComputationChanged, note("computation"));
    QObject::connect(&w, &Workspace::StalenessMayHaveChanged, note("staleness"));
    QObject::connect(&w, &Workspace::CurrentCellChanged, note("current"));
    QObject::connect(&w, &Workspace::CellSelectionRequested, note("select"));
  }
  std::string Take() { return std::exchange(names, {}); }
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

// The check aircraft, named "Check", at 20000 lb on Ranges("10"), computed.
void ComputeCheck(Workspace& w) {
  w.ApplyStartupLayout();
  LoadInto(w, kCheckAircraft);
  w.CreateTable(Ranges("10"));
  w.SetCompWeightText("20000");
  w.SetAircraftName(QStringLiteral("Check"));
  w.Compute({});
}

// What the computation no longer matches, in words; "none" when there is no computation.
std::string StalenessWords(const Workspace& w) {
  if (w.computation() == nullptr) return "none";
  const Staleness s = w.CurrentStaleness();
  std::string words;
  for (const auto& [on, word] : {std::pair{s.tableRelaid, " relaid"},
                                 {s.inputsEdited, " edited"},
                                 {s.modeChanged, " mode"},
                                 {s.aircraftChanged, " aircraft"}})
    words += on ? word : "";
  return words.empty() ? "current" : words.substr(1);
}

// A command, the signals it emits and the staleness it leaves.
struct Step {
  const char* name;
  std::function<void(Workspace&)> run;
  const char *emitted, *staleness;
};

TEST(Workspace, EachCommandEmitsItsSignalsAndLeavesItsStaleness) {
  const char* const relaid = "relaying relaid staleness";
  const char* const computed = "cells computation staleness";
  const std::vector<Step> steps = {
      {"start-up layout", [](Workspace& w) { w.ApplyStartupLayout(); }, relaid, "none"},
      {"load", [](Workspace& w) { LoadInto(w, kCheckAircraft); }, "loaded staleness", "none"},
      {"lay out", [](Workspace& w) { w.CreateTable(Ranges("10")); }, relaid, "none"},
      {"weight", [](Workspace& w) { w.SetCompWeightText("20000"); }, "staleness", "none"},
      {"compute", [](Workspace& w) { w.Compute({}); }, computed, "current"},
      {"edit a count", [](Workspace& w) { w.SetCountText(0, "2"); }, "staleness", "edited"},
      {"edit it back", [](Workspace& w) { w.SetCountText(0, ""); }, "staleness", "current"},
      {"change mode", [](Workspace& w) { w.SetMode(DisplayMode::Tas); }, "staleness", "mode"},
      {"compute again", [](Workspace& w) { w.Compute({}); }, computed, "current"},
      {"refused compute keeps the computation",
       [](Workspace& w) { w.SetCompWeightText("100"), w.Compute({}); }, "staleness cells",
       "edited"},
      {"weight back", [](Workspace& w) { w.SetCompWeightText("20000"); }, "staleness", "current"},
      {"refused layout changes nothing", [](Workspace& w) { w.CreateTable(Ranges("0")); }, relaid,
       "current"},
      {"re-lay", [](Workspace& w) { w.CreateTable(Ranges("20")); }, relaid, "relaid"},
      {"load another file", [](Workspace& w) { LoadInto(w, kGenericFighter); }, "loaded staleness",
       "relaid aircraft"}};
  Workspace w;
  SignalLog log(w);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.run(w);
    EXPECT_EQ(log.Take(), step.emitted);
    EXPECT_EQ(StalenessWords(w), step.staleness);
  }
}

// The computation the workspace keeps is the one its grids show, made from its inputs; which of
// its cells the grids still hold follows their headers.
TEST(Workspace, ComputesFromItsInputsIntoItsGrids) {
  Workspace w;
  ComputeCheck(w);
  const auto& c = *w.computation();
  EXPECT_EQ(c.weight, 20000);
  EXPECT_EQ(w.computedAircraftName(), QStringLiteral("Check"));
  // 300 kt at 0 ft: Military, 1896 lb/h; 600 kt: afterburner, 17110 lb/h.
  EXPECT_EQ(w.grid1().TextAt(1, 1), "1896");
  EXPECT_EQ(w.grid1().TextAt(1, 31), "17110");
  w.SetAircraftName(QStringLiteral("Other"));
  EXPECT_EQ(w.computedAircraftName(), QStringLiteral("Check"));
  for (const auto& [cell, held] : {std::pair{GridCell{1, 1}, true},
                                   {GridCell{2, 37}, true},
                                   {GridCell{0, 1}, false},
                                   {GridCell{2, 38}, false},
                                   {GridCell{3, 1}, false}})
    EXPECT_EQ(w.StillComputedAt(c, cell), held) << cell.row << "," << cell.col;
  // The same first speeds, then others: the first columns still hold their cells.
  w.CreateTable(Ranges("20"));
  EXPECT_TRUE(w.StillComputedAt(c, {1, 1}));
  EXPECT_FALSE(w.StillComputedAt(c, {1, 2}));
  EXPECT_FALSE(w.StillComputedAt(c, {2, 20}));  // computed, but past the grid's last column
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
    EXPECT_EQ(shown.name + shown.zeroFuelWeight + shown.internalFuel, "");
    EXPECT_EQ(log.Take(), "");
  }
}

TEST(Workspace, CurrentCellFollowsTheGridMovedInLastAndALayoutClearsIt) {
  Workspace w;
  SignalLog log(w);
  w.ApplyStartupLayout();
  log.Take();
  w.SetCurrentCell(WhichGrid::First, GridCell{2, 3});
  w.SetCurrentCell(WhichGrid::First, GridCell{2, 3});  // no move, no signal
  w.SetCurrentCell(WhichGrid::Second, GridCell{4, 5});
  EXPECT_EQ(log.Take(), "current current");
  EXPECT_EQ(w.currentCell(), (GridCell{4, 5}));
  EXPECT_EQ(w.currentCell(WhichGrid::First), (GridCell{2, 3}));
  w.SetCurrentCell(WhichGrid::First, GridCell{2, 3});  // pressed again: that grid now
  EXPECT_EQ(w.lastMovedGrid(), WhichGrid::First);
  log.Take();
  w.SelectCell({1, 1});
  EXPECT_EQ(log.Take(), "select");
  w.ApplyStartupLayout();
  EXPECT_EQ(log.Take(), "relaying relaid current staleness");
  EXPECT_FALSE(w.currentCell());
}

// The baseline is the computation pinned, as it was: later computations and loads leave it be.
TEST(Workspace, PinsTheLastComputationAsBaselineUntilCleared) {
  Workspace w;
  int changes = 0;
  QObject::connect(&w, &Workspace::BaselineChanged, [&changes] { ++changes; });
  w.PinBaseline();  // nothing computed: nothing to pin
  EXPECT_EQ(w.baseline(), nullptr);
  ComputeCheck(w);
  const std::shared_ptr<const TableComputation> pinned = w.computation();
  LoadInto(w, kGenericFighter);  // pinned out of date: named as it was computed
  w.PinBaseline();
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
