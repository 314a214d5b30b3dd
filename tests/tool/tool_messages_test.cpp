// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool's wording, held here once: load failures, refusals and usage errors,
// worded with its options and their positions, and the --stores positions tied to the stores
// they count. cli_test.sh checks the exit codes and that each kind of message reaches stderr.
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

// Between them the layout cases name every position of both options.
TEST(ToolMessages, RefusalsNameTheOptionsAndTheCause) {
  const auto T = [](const LayoutRefusal& refusal) { return ToolLayoutRefusalText(refusal); };
  const std::vector<std::pair<std::string, std::string_view>> cases = {
      {T({NotFinite, Speed, Min}), "--speed MIN is not a finite number."},
      {T({NotFinite, Altitude, Step}), "--altitude SWITCH is not a finite number."},
      {T({StepZero, Speed, Step1, Min, Step}),
       "--speed STEP1 is 0: the axis cannot step from MIN to SWITCH."},
      {T({StepZero, Altitude, Step2, Step, Max}),
       "--altitude STEP2 is 0: the axis cannot step from SWITCH to MAX."},
      {T({SpanTooLarge, Altitude, Step1, Min, Step}),
       "The span from --altitude MIN to SWITCH is too large to step through."},
      {T({StepPointsAway, Altitude, Step2, Step, Max, true}),
       "--altitude STEP2 points away from MAX: it must be positive to go from SWITCH to MAX."},
      {T({StepPointsAway, Speed, Step1, Min, Step}),
       "--speed STEP1 points away from SWITCH: it must be negative to go from MIN to SWITCH."},
      {T({TooManyValues, Altitude}),
       "The --altitude axis would have more than 32766 values: choose larger steps."},
      {T({Indistinct, Speed, Step2}),
       "--speed STEP2 is too small: neighbouring values of the axis would read the same in 15 "
       "digits."},
      {T({SpeedMaxOutOfRange, Speed, Max, Min, Min, false, -32769}),
       "--speed MAX rounds to -32769, outside -32768 .. 32767."},
      {T({.kind = TooManyCells, .cells = 1001000}),
       "The table would have 1001000 data cells, more than 1000000: choose larger steps."},
      // The tool has no Load command or Create Table button: it says what the file lacks.
      {std::string(ToolSweepRefusalText(SweepRefusal::NoAircraft)),
       "The aircraft file gives no zero fuel weight: there is nothing to compute."},
      {std::string(ToolSweepRefusalText(SweepRefusal::WeightNotNumber)),
       "The computing weight is not a number."},
      {std::string(ToolSweepRefusalText(SweepRefusal::WeightBelowZfw)),
       "The computing weight is below the zero fuel weight."},
      // A proposed weight beyond range: what took it there and what to give instead.
      {std::string(ToolLoadoutOverflowText(LoadoutOverflow::StoreCounts)),
       "The store counts give a weight beyond the range of numbers: give --weight or smaller "
       "counts."},
      {std::string(ToolLoadoutOverflowText(LoadoutOverflow::InternalFuel)),
       "The aircraft file's internal fuel and the tanks' fuel add up beyond the range of numbers: "
       "give --weight or check the file."},
      {std::string(ToolLoadoutOverflowText(LoadoutOverflow::Weight)),
       "The zero fuel weight, stores and fuel on board add up beyond the range of numbers: give "
       "--weight or check the file."},
      // An analysis without an answer says which one, and why.
      {std::string(ToolSummaryRefusalText(SummaryStatus::Done)), ""},
      {std::string(ToolSummaryRefusalText(SummaryStatus::Cancelled)),
       "The summary was stopped before its end."},
      {std::string(ToolSummaryRefusalText(SummaryStatus::SpeedRangeTooWide)),
       "The speed headers span more than 65536 whole knots: no summary."},
      {std::string(ToolMissionRefusalText(MissionStatus::Done)), ""},
      {std::string(ToolMissionRefusalText(MissionStatus::Cancelled)),
       "The mission fuel was stopped before its end."},
      {std::string(ToolMissionRefusalText(MissionStatus::StoresWeightBeyondRange)),
       "The store counts give a stores weight beyond the range of numbers: no mission fuel."},
      {std::string(ToolMissionRefusalText(MissionStatus::SpeedRangeTooWide)),
       "The speed headers span more than 65536 whole knots: no mission fuel."}};
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
  using enum FileOpenFailure;
  const auto notOpened = [](FileOpenFailure why) {
    return LoadOutcome{false, 0, "cannot open file: a.dat (...)", why};
  };
  const struct {
    std::string path;
    LoadOutcome outcome;
    std::string text;
  } cases[] = {
      {missing, load(missing), missing + ": load stopped: cannot open the file (no such file)"},
      {folder, load(folder), folder + ": load stopped: the path is a folder"},
      {"/dev/null", load("/dev/null"), "/dev/null: load stopped: the path is not a regular file"},
      {"a.dat", notOpened(TooLarge), "a.dat: load stopped: the file is larger than 256 MiB"},
      {"a.dat", notOpened(NoPermission),
       "a.dat: load stopped: cannot open the file (no permission to read it)"},
      {"a.dat", notOpened(ReadError), "a.dat: load stopped: cannot read the file (read error)"},
      {"a.dat",
       {false, 39, "count 26 exceeds 25"},
       "a.dat: load stopped at line 39: count 26 exceeds 25"}};
  ASSERT_FALSE(std::filesystem::exists(missing));
  for (const auto& c : cases)
    EXPECT_EQ(ToolLoadFailureText(c.path, c.outcome), c.text);
}

// A usage error names the option and what it needs; a list option takes exactly its count of
// numbers; --summary and --mission together are two members of one JSON document; --climb and
// --em take the g limit from 1 to 15, sit beside another analysis in JSON only, never with
// --explain.
TEST(ToolOptions, UsageErrorsNameTheOptionAndWhatItNeeds) {
  const std::string stores = "--stores needs six numbers: AA,AG,BOMBS,CLUSTER,ECM,TANKS";
  const std::string positions = " needs five numbers: MIN,STEP1,SWITCH,STEP2,MAX";
  const std::string together = "--mission and --summary together need --format json";
  const std::string range = "--g-limit needs a number from 1 to 15";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--stores", "1,2,3,4,5,6"}, ""},
      {{"--stores", "1,2,3,4,5"}, stores},
      {{"--stores", "1,2,3,4,5,6,7"}, stores},
      {{"--stores", "1,2,3,4,5,6,"}, stores},
      {{"--speed", "150,50,250,30,660"}, ""},
      {{"--speed", "150,50,250,30"}, "--speed" + positions},
      {{"--altitude", "0,500,1000,5000,40000,45000"}, "--altitude" + positions},
      {{"--aa", "1", "--aa", "2"}, "--aa given twice"},
      {{"--weight=20000", "--weight", "20000"}, "--weight given twice"},
      {{"--stores", "0,0,0,0,0,0", "--tanks", "1"},
       "--tanks and --stores both give the tanks count"},
      {{"--ecm", "1", "--stores", "0,0,0,0,0,0"}, "--stores and --ecm both give the ecm count"},
      {{"--output="}, "--output needs a file name"},
      {{"--mission", "--reserve", "-1"}, "--reserve needs a number of 0 or more"},
      {{"--bingo-distance", "150"}, "--reserve, --cruise-cas and --bingo-distance need --mission"},
      {{"--mission", "--summary", "--format", "json"}, ""},
      {{"--format=JSON", "--summary", "--mission"}, ""},
      {{"--mission", "--summary"}, together},
      {{"--mission", "--summary", "--format", "grid"}, together},
      {{"--summary", "--explain", "300,0"},
       "--explain cannot be combined with --mission or --summary"},
      {{"--climb", "--g-limit", "1"}, ""},
      {{"--em", "-500", "--g-limit=15"}, ""},
      {{"--climb", "--g-limit", "0.99"}, range},
      {{"--climb", "--g-limit", "15.01"}, range},
      {{"--g-limit", "9"}, "--g-limit needs --climb or --em"},
      {{"--em", "10000ft"}, "--em needs an altitude in feet"},
      {{"--climb", "--em", "0"}, "--climb and --em beside another analysis need --format json"},
      {{"--climb", "--em", "0", "--summary", "--format", "json"}, ""},
      {{"--em", "0", "--explain", "300,0"}, "--explain cannot be combined with --climb or --em"}};
  for (auto [args, error] : cases) {
    args.insert(args.begin(), "a.dat");
    EXPECT_EQ(ParseToolArguments(args).error, error) << args[1] << ' ' << args.back();
  }
}

// Each --stores position counts the store of its name; the usage lists the positions in order.
TEST(StoresOption, EachPositionCountsTheStoreItsNameSays) {
  const ToolOptions options = ParseToolArguments({"a.dat", "--stores", "1,2,3,4,5,6"}).options;
  const char* stores[] = {"AIM120", "AGM65B", "MK82", "CBU-52", "ALQ131", "370USG"};
  for (size_t i = 0; i < 6; ++i)
    EXPECT_EQ(options.storeCounts[static_cast<size_t>(StoreRowOf(stores[i]))],
              std::to_string(i + 1));
  for (const char* line :
       {"  --stores AA,AG,BOMBS,CLUSTER,ECM,TANKS  store counts (default 0,0,0,0,0,0)\n",
        "  --speed MIN,STEP1,SWITCH,STEP2,MAX      speed axis, knots (CAS)\n"
        "  --altitude MIN,STEP1,SWITCH,STEP2,MAX   altitude axis, feet\n"})
    EXPECT_NE(ToolUsage().find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace tz9
