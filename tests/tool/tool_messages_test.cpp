// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool's catalogue of load failures and refusals, worded with its options and
// their positions, and the --stores positions tied to the stores they count.
#include "tool/tool_messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tool/tool_options.h"

namespace tz9 {
namespace {

using enum LayoutRefusalKind;
using enum TableAxis;
using enum RangeField;

// Between them the cases name every position of both options.
TEST(ToolMessages, LayoutRefusalsNameTheOptionAndItsPositions) {
  const std::vector<std::pair<LayoutRefusal, std::string>> cases = {
      {{.kind = NotFinite, .axis = Speed, .field = Min}, "--speed MIN is not a finite number."},
      {{.kind = NotFinite, .axis = Altitude, .field = Step},
       "--altitude SWITCH is not a finite number."},
      {{.kind = StepZero, .axis = Speed, .field = Step1, .from = Min, .to = Step},
       "--speed STEP1 is 0: the axis cannot step from MIN to SWITCH."},
      {{.kind = StepZero, .axis = Altitude, .field = Step2, .from = Step, .to = Max},
       "--altitude STEP2 is 0: the axis cannot step from SWITCH to MAX."},
      {{.kind = SpanTooLarge, .axis = Altitude, .field = Step1, .from = Min, .to = Step},
       "The span from --altitude MIN to SWITCH is too large to step through."},
      {{.kind = StepPointsAway,
        .axis = Altitude,
        .field = Step2,
        .from = Step,
        .to = Max,
        .mustBePositive = true},
       "--altitude STEP2 points away from MAX: it must be positive to go from SWITCH to MAX."},
      {{.kind = StepPointsAway, .axis = Speed, .field = Step1, .from = Min, .to = Step},
       "--speed STEP1 points away from SWITCH: it must be negative to go from MIN to SWITCH."},
      {{.kind = TooManyValues, .axis = Altitude},
       "The --altitude axis would have more than 32766 values: choose larger steps."},
      {{.kind = TooManyValues, .axis = Speed},
       "The --speed axis would have more than 32766 values: choose larger steps."},
      {{.kind = Indistinct, .axis = Speed, .field = Step2},
       "--speed STEP2 is too small: neighbouring values of the axis would read the same in 15 "
       "digits."},
      {{.kind = Indistinct, .axis = Altitude, .field = Step1},
       "--altitude STEP1 is too small: neighbouring values of the axis would read the same in 15 "
       "digits."},
      {{.kind = SpeedMaxOutOfRange, .axis = Speed, .field = Max, .number = -32769},
       "--speed MAX rounds to -32769, outside -32768 .. 32767."},
      {{.kind = TooManyCells, .cells = 1001000},
       "The table would have 1001000 data cells, more than 1000000: choose larger steps."},
  };
  for (const auto& [refusal, text] : cases)
    EXPECT_EQ(ToolLayoutRefusalText(refusal), text);
}

// The tool has no Load command or Create Table button: its refusals say what the file lacks.
TEST(ToolMessages, ComputeRefusalsNameNoWindowControl) {
  const std::pair<SweepRefusal, std::string_view> cases[] = {
      {SweepRefusal::NoAircraft,
       "The aircraft file gives no zero fuel weight: there is nothing to compute."},
      {SweepRefusal::WeightNotNumber, "The computing weight is not a number."},
      {SweepRefusal::WeightBelowZfw, "The computing weight is below the zero fuel weight."},
  };
  for (const auto& [refusal, text] : cases) {
    EXPECT_EQ(ToolSweepRefusalText(refusal), text);
  }
}

// A proposed weight beyond range is refused with what took it there and what to give instead.
TEST(ToolMessages, LoadoutOverflowNamesItsCause) {
  const std::pair<LoadoutOverflow, std::string_view> cases[] = {
      {LoadoutOverflow::StoreCounts,
       "The store counts give a weight beyond the range of numbers: give --weight or smaller "
       "counts."},
      {LoadoutOverflow::InternalFuel,
       "The aircraft file's internal fuel and the tanks' fuel add up beyond the range of numbers: "
       "give --weight or check the file."},
      {LoadoutOverflow::Weight,
       "The zero fuel weight, stores and fuel on board add up beyond the range of numbers: give "
       "--weight or check the file."},
  };
  for (const auto& [cause, text] : cases) {
    EXPECT_EQ(ToolLoadoutOverflowText(cause), text);
  }
}

// An analysis that has no answer says which one, and why.
TEST(ToolMessages, AnalysisRefusalsNameTheAnalysisAndTheCause) {
  const std::vector<std::pair<std::string_view, std::string_view>> cases = {
      {ToolSummaryRefusalText(SummaryStatus::Done), ""},
      {ToolSummaryRefusalText(SummaryStatus::Cancelled), "The summary was stopped before its end."},
      {ToolSummaryRefusalText(SummaryStatus::SpeedRangeTooWide),
       "The speed headers span more than 65536 whole knots: no summary."},
      {ToolMissionRefusalText(MissionStatus::Done), ""},
      {ToolMissionRefusalText(MissionStatus::Cancelled),
       "The mission fuel was stopped before its end."},
      {ToolMissionRefusalText(MissionStatus::StoresWeightBeyondRange),
       "The store counts give a stores weight beyond the range of numbers: no mission fuel."},
      {ToolMissionRefusalText(MissionStatus::SpeedRangeTooWide),
       "The speed headers span more than 65536 whole knots: no mission fuel."},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(text, expected);
}

// A file not opened is named once, as given, with why; a stopped walk keeps the reader's line
// and cause. The missing file, the folder and the device are loaded for real, so the core's
// cause (which names the path too) is what the tool words.
TEST(ToolMessages, LoadFailuresNameThePathOnce) {
  const std::string missing = testing::TempDir() + "tz9-no-such-aircraft.dat";
  const std::string folder = testing::TempDir();
  const auto load = [](const std::string& path) {
    AircraftRecord record;
    NoAircraftDisplay display;
    return LoadAircraftFile(path, record, display);
  };
  const auto notOpened = [](FileOpenFailure failure) {
    LoadOutcome outcome;
    outcome.cause = "cannot open file: a.dat (...)";
    outcome.openFailure = failure;
    return outcome;
  };
  LoadOutcome stopped;
  stopped.line = 39;
  stopped.cause = "count 26 exceeds 25";
  struct Case {
    std::string name;
    std::string path;
    LoadOutcome outcome;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"missing", missing, load(missing),
       missing + ": load stopped: cannot open the file (no such file)"},
      {"folder", folder, load(folder), folder + ": load stopped: the path is a folder"},
      {"device", "/dev/null", load("/dev/null"),
       "/dev/null: load stopped: the path is not a regular file"},
      {"large", "a.dat", notOpened(FileOpenFailure::TooLarge),
       "a.dat: load stopped: the file is larger than 256 MiB"},
      {"unreadable", "a.dat", notOpened(FileOpenFailure::NoPermission),
       "a.dat: load stopped: cannot open the file (no permission to read it)"},
      {"read error", "a.dat", notOpened(FileOpenFailure::ReadError),
       "a.dat: load stopped: cannot read the file (read error)"},
      {"walk stopped", "a.dat", stopped, "a.dat: load stopped at line 39: count 26 exceeds 25"},
  };
  ASSERT_FALSE(std::filesystem::exists(missing));
  for (const auto& c : cases)
    EXPECT_EQ(ToolLoadFailureText(c.path, c.outcome), c.text) << c.name;
}

// --summary and --mission together are two members of one JSON document; CSV holds only one.
TEST(ToolOptionsCombination, MissionWithSummaryOnlyInJson) {
  const std::string refused = "--mission and --summary together need --format json";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"a.dat", "--mission", "--summary", "--format", "json"}, ""},
      {{"a.dat", "--format=JSON", "--summary", "--mission"}, ""},
      {{"a.dat", "--mission", "--summary"}, refused},
      {{"a.dat", "--mission", "--summary", "--format", "csv"}, refused},
      {{"a.dat", "--mission", "--summary", "--format", "grid"}, refused},
      {{"a.dat", "--mission", "--format", "csv"}, ""},
      {{"a.dat", "--summary", "--format", "grid"}, ""},
  };
  for (const auto& [args, error] : cases)
    EXPECT_EQ(ParseToolArguments(args).error, error) << args[1] << ' ' << args[2];
}

// --climb and --em: the g limit from 1 to 15 with either of them only; beside another analysis
// in JSON only; never with --explain.
TEST(ToolOptionsCombination, ClimbAndEmTakeTheGLimitAndShareJsonOnly) {
  const std::string range = "--g-limit needs a number from 1 to 15";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"a.dat", "--climb", "--g-limit", "1"}, ""},
      {{"a.dat", "--em", "-500", "--g-limit=15"}, ""},
      {{"a.dat", "--climb", "--g-limit", "0.99"}, range},
      {{"a.dat", "--climb", "--g-limit", "15.01"}, range},
      {{"a.dat", "--g-limit", "9"}, "--g-limit needs --climb or --em"},
      {{"a.dat", "--em", "10000ft"}, "--em needs an altitude in feet"},
      {{"a.dat", "--climb", "--em", "0"},
       "--climb and --em beside another analysis need --format json"},
      {{"a.dat", "--climb", "--em", "0", "--summary", "--format", "json"}, ""},
      {{"a.dat", "--em", "0", "--explain", "300,0"},
       "--explain cannot be combined with --climb or --em"},
  };
  for (const auto& [args, error] : cases)
    EXPECT_EQ(ParseToolArguments(args).error, error) << args[1] << ' ' << args[2];
}

// A list option takes exactly its count of numbers: one too few or one too many is refused,
// naming the positions.
TEST(ToolMessages, ListOptionsTakeExactlyTheirCountOfNumbers) {
  const std::string stores = "--stores needs six numbers: AA,AG,BOMBS,CLUSTER,ECM,TANKS";
  const std::string positions = " needs five numbers: MIN,STEP1,SWITCH,STEP2,MAX";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--stores", "1,2,3,4,5,6"}, ""},
      {{"--stores", "1,2,3,4,5"}, stores},
      {{"--stores", "1,2,3,4,5,6,7"}, stores},
      {{"--stores", "1,2,3,4,5,6,"}, stores},
      {{"--speed", "150,50,250,30,660"}, ""},
      {{"--speed", "150,50,250,30"}, "--speed" + positions},
      {{"--speed", "150,50,250,30,660,700"}, "--speed" + positions},
      {{"--altitude", "0,500,1000,5000,40000,45000"}, "--altitude" + positions},
  };
  for (const auto& [option, error] : cases) {
    EXPECT_EQ(ParseToolArguments({"a.dat", option[0], option[1]}).error, error) << option[1];
  }
}

TEST(ToolMessages, RangeOptionsListTheirPositionsInOrder) {
  EXPECT_NE(ToolUsage().find("  --speed MIN,STEP1,SWITCH,STEP2,MAX      speed axis, knots (CAS)\n"
                             "  --altitude MIN,STEP1,SWITCH,STEP2,MAX   altitude axis, feet\n"),
            std::string::npos);
}

// Each --stores position, as the usage names it, counts the store of its StoreTable row.
TEST(StoresOption, EachPositionCountsTheStoreItsNameSays) {
  const std::vector<std::pair<std::string_view, std::string_view>> positions = {
      {"AA", "AIM120"},      {"AG", "AGM65B"},  {"BOMBS", "MK82"},
      {"CLUSTER", "CBU-52"}, {"ECM", "ALQ131"}, {"TANKS", "370USG"}};
  const ParsedArguments parsed = ParseToolArguments({"a.dat", "--stores", "1,2,3,4,5,6"});
  ASSERT_EQ(parsed.error, "");
  for (size_t i = 0; i < positions.size(); ++i) {
    const auto& [name, store] = positions[i];
    EXPECT_EQ(kStorePositionNames[i], name);
    EXPECT_EQ(parsed.options.storeCounts[static_cast<size_t>(StoreRowOf(store))],
              std::to_string(i + 1))
        << name;
  }
  EXPECT_NE(ToolUsage().find(
                "  --stores AA,AG,BOMBS,CLUSTER,ECM,TANKS  store counts (default 0,0,0,0,0,0)\n"),
            std::string::npos);
}

}  // namespace
}  // namespace tz9
