// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table's words: the names of the positions in --stores, --speed and --altitude, and
// the tool's wording of the load failures and refusals the core reports as codes, naming those
// options.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "aircraft/aircraft_reader.h"
#include "loadout/loadout.h"
#include "performance/best_speeds.h"
#include "performance/climb_turn.h"
#include "performance/comparison.h"
#include "performance/mission_fuel.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"

namespace tz9 {

// The --stores positions by StoreTable row, as the usage and the messages name them.
inline constexpr std::array<std::string_view, kStoreKinds> kStorePositionNames = {
    "AA", "AG", "BOMBS", "CLUSTER", "ECM", "TANKS"};

// "AA,AG,BOMBS,CLUSTER,ECM,TANKS"
std::string StorePositionList();

// The option that gives an axis: "--speed", "--altitude".
std::string_view AxisOptionName(TableAxis axis);

// A range field as a position of --speed and --altitude: MIN, STEP1, SWITCH, STEP2, MAX.
std::string_view RangePositionName(RangeField field);

// "MIN,STEP1,SWITCH,STEP2,MAX"
std::string RangePositionList();

// One line for stderr: "--speed STEP1 is 0: the axis cannot step from MIN to SWITCH."
std::string ToolLayoutRefusalText(const LayoutRefusal& refusal);

// The sweep refused to start.
std::string_view ToolSweepRefusalText(SweepRefusal refusal);

// The proposed computing weight left the range of numbers, and no --weight replaced it: what
// took it there. Empty for LoadoutOverflow::None.
std::string_view ToolLoadoutOverflowText(LoadoutOverflow cause);

// Why --summary has nothing to print, for stderr. Empty for SummaryStatus::Done.
std::string_view ToolSummaryRefusalText(SummaryStatus status);

// Why --mission has nothing to print, for stderr. Empty for MissionStatus::Done.
std::string_view ToolMissionRefusalText(MissionStatus status);

// Why --climb or --em has nothing to print, for stderr. Empty for ClimbTurnStatus::Done.
std::string_view ToolClimbTurnRefusalText(ClimbTurnStatus status);

// What the --mission figures ask that altitudes cannot give, one line each for stderr after the
// rows (whose fields are then empty): "--reserve 9000 lb is not below the 7000 lb of fuel on
// board: nothing is flown." None when every altitude flies them.
std::vector<std::string> ToolMissionFindingTexts(const MissionReport& report,
                                                 const MissionInputs& inputs);

// The load did not complete: one line for stderr naming the path once, as given, then what
// stopped the load ("a.dat: load stopped at line 39: ...", "/tmp: load stopped: the path is a
// folder").
std::string ToolLoadFailureText(std::string_view path, const LoadOutcome& load);

// The standard output took not every byte; systemError is the errno of the write that failed:
// "cannot write the standard output: No space left on device", as an --output file is named.
std::string ToolStandardOutputFailureText(int systemError);

// The same for the baseline's file: "baseline b.dat: load stopped: ...".
std::string ToolBaselineLoadFailureText(std::string_view path, const LoadOutcome& load);

// A message about the baseline's loadout or sweep, worded as the table's and marked as the
// baseline's: "baseline: The computing weight is below the zero fuel weight."
std::string ToolBaselineText(std::string_view message);

// Why --compare or --compare-cells has nothing to print, for stderr. Empty for Done.
std::string_view ToolComparisonRefusalText(ComparisonStatus status);

}  // namespace tz9
