// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool's catalogue of layout refusals, worded with its options and their
// positions, and the --stores positions tied to the stores they count.
#include "tool/tool_messages.h"

#include <gtest/gtest.h>

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
