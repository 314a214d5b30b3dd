// SPDX-License-Identifier: GPL-3.0-or-later
// The two table layouts: the start-up table and the axes "Create Table" builds from the ranges.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "../performance/test_support.h"
#include "tables/table_layout.h"

namespace tz9 {

namespace {

using Texts = std::vector<std::string>;

Texts Headers(const ResultGrid& grid, bool speeds) {
  Texts texts;
  for (int i = 1; i < (speeds ? grid.Cols() : grid.Rows()); ++i)
    texts.emplace_back(speeds ? grid.TextAt(0, i) : grid.TextAt(i, 0));
  return texts;
}

// Both grids alike: the header column 870 wide, speed columns 600, all centred at the top.
void ExpectLaidOutAlike(const ResultGrid& msfg1, const ResultGrid& msfg2, int row, int col) {
  for (const ResultGrid* grid : {&msfg1, &msfg2}) {
    for (int c = 0; c < grid->Cols(); ++c) {
      EXPECT_EQ(grid->ColWidth(c), c == 0 ? 870 : 600) << c;
      EXPECT_EQ(grid->ColAlignment(c), 3) << c;
    }
    EXPECT_EQ(std::pair(grid->Row(), grid->Col()), std::pair(row, col));
  }
  EXPECT_EQ(Headers(msfg1, true), Headers(msfg2, true));
  EXPECT_EQ(Headers(msfg1, false), Headers(msfg2, false));
}

// The start-up table: its eleven altitudes by rows, 23 blank-led speeds (150, 200, then 250 to
// 850 kt by 30) by columns, cell 0,23 current.
TEST(StartupLayout, WritesElevenAltitudesByTwentyThreeSpeedsAndLeavesCellZero23Current) {
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  EXPECT_EQ(Headers(msfg1, false),
            (Texts{"0 ft", "500 ft", "1000 ft", "5000 ft", "10000 ft", "15000 ft", "20000 ft",
                   "25000 ft", "30000 ft", "35000 ft", "40000 ft"}));
  Texts speeds = {" 150", " 200"};
  for (int knots = 250; knots <= 850; knots += 30)
    speeds.push_back(" " + std::to_string(knots));
  EXPECT_EQ(Headers(msfg1, true), speeds);
  EXPECT_EQ(msfg1.TextAt(0, 0), "");
  ExpectLaidOutAlike(msfg1, msfg2, 0, 23);
}

// Create Table relays both grids out of the ranges and keeps the data cells that stay inside.
TEST(CreateTable, DefaultRangesGiveSeventeenSpeedsByElevenAltitudesAndKeepDataCells) {
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  msfg1.SetRow(3), msfg1.SetCol(2), msfg1.SetText("17110");
  msfg1.SetCellBackColor(RegimeColour::Yellow);
  ASSERT_TRUE(CreateTableLayout(DefaultRangeTexts(), msfg1, msfg2).applied);
  EXPECT_EQ(std::pair(msfg1.Rows(), msfg1.Cols()), std::pair(12, 18));
  ExpectLaidOutAlike(msfg1, msfg2, 11, 0);
  EXPECT_EQ(msfg1.TextAt(3, 2), "17110");
  EXPECT_EQ(msfg1.BackColorAt(3, 2), RegimeColour::Yellow);
}

// The default ranges with the five fields of one axis replaced.
RangeTexts With(bool speed, const std::array<std::string_view, 5>& f) {
  RangeTexts r = DefaultRangeTexts();
  auto fields = speed ? std::tie(r.speedMin, r.speedStep1, r.speedStep, r.speedStep2, r.speedMax)
                      : std::tie(r.altitudeMin, r.altitudeStep1, r.altitudeStep, r.altitudeStep2,
                                 r.altitudeMax);
  fields = std::tie(f[0], f[1], f[2], f[3], f[4]);
  return r;
}

// Each axis has its values once each, Step and Max included; the grid one row or column more.
TEST(CreateTable, StepsEachAxisWithBothEndsOnceEach) {
  const std::vector<std::pair<RangeTexts, Texts>> speeds = {
      {With(true, {"300", "50", "300", "30", "300"}), {"300"}},
      {With(true, {"600", "50", "650", "5", "660.5"}), {"600", "650", "655", "660"}},
      {With(true, {"600", "50", "650", "5", "661.5"}), {"600", "650", "655", "660", "662"}},
      {With(true, {"150", "12.5", "200", "25", "250"}),
       {"150", "162.5", "175", "187.5", "200", "225", "250"}}};
  const std::vector<std::pair<RangeTexts, Texts>> altitudes = {
      {With(false, {"0", "300", "1000", "4000", "9000"}),
       {" 0 ft", " 300 ft", " 600 ft", " 900 ft", " 1000 ft", " 5000 ft", " 9000 ft"}},
      {With(false, {"0", "500", "1000", "5000", "1000"}), {" 0 ft", " 500 ft", " 1000 ft"}},
      {With(false, {"1000", "-500", "0", "-500", "-1000"}),
       {" 1000 ft", " 500 ft", " 0 ft", "-500 ft", "-1000 ft"}},
      {With(false, {"0", "0.1", "0.7", "0.1", "1"}),
       {" 0 ft", " 0.1 ft", " 0.2 ft", " 0.3 ft", " 0.4 ft", " 0.5 ft", " 0.6 ft", " 0.7 ft",
        " 0.8 ft", " 0.9 ft", " 1 ft"}},
      // Ten additions of 0.3 end a rounding error away from 0, not on it: 0 stands once.
      {With(false, {"-3", "0.3", "0", "1000", "2000"}),
       {"-3 ft", "-2.7 ft", "-2.4 ft", "-2.1 ft", "-1.8 ft", "-1.5 ft", "-1.2 ft", "-0.9 ft",
        "-0.6 ft", "-0.3 ft", " 0 ft", " 1000 ft", " 2000 ft"}}};
  for (bool speed : {true, false}) {
    for (const auto& [ranges, expected] : speed ? speeds : altitudes) {
      ResultGrid msfg1, msfg2;
      ApplyStartupLayout(msfg1, msfg2);
      ASSERT_TRUE(CreateTableLayout(ranges, msfg1, msfg2).applied) << expected.back();
      EXPECT_EQ(Headers(msfg1, speed), expected);
      EXPECT_EQ(speed ? msfg1.Cols() : msfg1.Rows(), static_cast<int>(expected.size()) + 1);
      ExpectLaidOutAlike(msfg1, msfg2, msfg1.Rows() - 1, 0);
    }
  }
}

// Each limit from the side it accepts: a speed Max at either end of the 16-bit range, an axis of
// exactly kMaxAxisValues values, a table of exactly kMaxTableCells data cells.
TEST(CreateTable, AcceptsEachLimitUpToItsLastValue) {
  RangeTexts mostAltitudes = With(false, {"1", "1", "32766", "1", "32766"});
  mostAltitudes.speedMin = mostAltitudes.speedStep = mostAltitudes.speedMax = "300";
  const RangeTexts thousandByThousand = {"1", "1", "1000", "1", "1000",
                                         "1", "1", "1000", "1", "1000"};
  const struct {
    const char* name;
    RangeTexts ranges;
    int rows, cols;
    std::string lastAltitude, lastSpeed;
  } cases[] = {{"speed Max 32767", With(true, {"32760", "5", "32765", "2", "32767"}), 12, 4,
                " 40000 ft", "32767"},
               {"speed Max -32768", With(true, {"-32760", "-5", "-32765", "-2", "-32768"}), 12, 5,
                " 40000 ft", "-32768"},
               {"32766 speeds", With(true, {"2", "1", "32767", "1", "32767"}), 12, 32767,
                " 40000 ft", "32767"},
               {"32766 altitudes", mostAltitudes, 32767, 2, " 32766 ft", "300"},
               {"1000000 cells", thousandByThousand, 1001, 1001, " 1000 ft", "1000"}};
  for (const auto& c : cases) {
    ResultGrid msfg1, msfg2;
    ApplyStartupLayout(msfg1, msfg2);
    const LayoutOutcome outcome = CreateTableLayout(c.ranges, msfg1, msfg2);
    EXPECT_TRUE(outcome.applied) << c.name;
    if (!outcome.applied) continue;
    EXPECT_EQ(std::pair(msfg1.Rows(), msfg1.Cols()), std::pair(c.rows, c.cols)) << c.name;
    EXPECT_EQ(msfg2.TextAt(c.rows - 1, 0), c.lastAltitude) << c.name;
    EXPECT_EQ(msfg2.TextAt(0, c.cols - 1), c.lastSpeed) << c.name;
  }
}

using enum LayoutRefusalKind;
using enum TableAxis;
using enum RangeField;

// The first refusal found, with the fields it names; the window and the tool word it.
TEST(CreateTable, RefusesWithItsCauseAndChangesNeitherGrid) {
  // LayoutRefusal{kind, axis, field, from, to, mustBePositive, number, cells}
  const std::vector<std::pair<RangeTexts, LayoutRefusal>> cases = {
      {With(true, {"150", "", "250", "30", "660"}), {StepZero, Speed, Step1, Min, Step}},
      {With(false, {"0", "500", "1000", "-5000", "40000"}),
       {StepPointsAway, Altitude, Step2, Step, Max, true}},
      {With(true, {"150", "50", "100", "30", "660"}), {StepPointsAway, Speed, Step1, Min, Step}},
      {With(false, {"-1e308", "1e308", "1e308", "1", "1e308"}),
       {SpanTooLarge, Altitude, Step1, Min, Step}},
      {With(false, {"0", "500", "1e999", "5000", "40000"}), {NotFinite, Altitude, Step}},
      {With(true, {"150", "50", "250", "30", "1e999"}), {NotFinite, Speed, Max}},
      {With(true, {"150", "50", "250", "30", "32767.5"}),
       {SpeedMaxOutOfRange, Speed, Max, Min, Min, false, 32768}},
      {With(false, {"0", "1", "32766", "1", "32766"}), {TooManyValues, Altitude}},
      {With(true, {"1", "1e-15", "1.000000000000003", "1", "10"}), {Indistinct, Speed, Step1}},
      {With(false, {"0", "1", "1", "1e-15", "1.000000000000003"}), {Indistinct, Altitude, Step2}},
      {{"1", "1", "1000", "1", "1000", "0", "1", "1000", "1", "1000"},
       {.kind = TooManyCells, .cells = 1001000}},
      // The altitudes are checked before the speeds.
      {{"150", "0", "250", "30", "660", "0", "0", "1000", "5000", "40000"},
       {StepZero, Altitude, Step1, Min, Step}}};
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  msfg1.SetRow(2), msfg1.SetCol(3), msfg1.SetText("old");
  const std::string before1 = test::GridState(msfg1), before2 = test::GridState(msfg2);
  for (size_t i = 0; i < cases.size(); ++i) {
    const auto& [ranges, refusal] = cases[i];
    const LayoutOutcome outcome = CreateTableLayout(ranges, msfg1, msfg2);
    EXPECT_FALSE(outcome.applied) << "case " << i;
    EXPECT_EQ(outcome.refusal, refusal) << "case " << i;
    EXPECT_EQ(test::GridState(msfg1), before1) << "case " << i;
    EXPECT_EQ(test::GridState(msfg2), before2) << "case " << i;
  }
}

}  // namespace
}  // namespace tz9
