// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/table_computation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"
#include "test_support.h"

namespace tz9 {
namespace {

bool SameCell(const CellResult& a, const CellResult& b) {
  const auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
  return a.regime == b.regime && a.supersonic == b.supersonic && a.failure == b.failure &&
         a.limit == b.limit && same(a.fuelFlow, b.fuelFlow) && same(a.mach, b.mach) &&
         same(a.tas, b.tas) && same(a.lbsPerNm, b.lbsPerNm);
}

class Computation : public ::testing::Test {
 protected:
  SweepOutcome Compute(DisplayMode mode = DisplayMode::LbsPerNm) {
    const SweepInputs inputs{"19000", "33000", counts, mode};
    return ComputeTable(aircraft, inputs, msfg1, msfg2);
  }
  AircraftRecord aircraft = test::LoadExample("generic-fighter.dat");
  StoreCountTexts counts = {"2", "0", "1", "0", "1", "2"};
  ResultGrid msfg1, msfg2;
};

// The computation keeps what it was computed from, and every cell of it, evaluated again from
// those inputs alone, gives the stored outcome bit for bit; the grids show what it holds.
TEST_F(Computation, KeepsItsInputsAndEveryCellReevaluatesToTheSameBits) {
  // Speeds from 0 (cells that fail) past every table, altitudes beyond the thrust tables.
  const RangeTexts ranges{"0", "25", "500", "50", "1400", "0", "5000", "40000", "10000", "90000"};
  ASSERT_TRUE(CreateTableLayout(ranges, msfg1, msfg2).applied);
  for (DisplayMode mode : {DisplayMode::LbsPerNm, DisplayMode::Tas, DisplayMode::MachNumber}) {
    const SweepOutcome outcome = Compute(mode);
    ASSERT_NE(outcome.computation, nullptr);
    const TableComputation& c = *outcome.computation;
    EXPECT_EQ(c.weight, 33000);
    EXPECT_EQ(c.counts, (StoreCounts{2, 0, 1, 0, 1, 2}));
    EXPECT_EQ(c.mode, mode);
    EXPECT_EQ(*c.aircraft, aircraft);
    ASSERT_EQ(c.SpeedCount(), msfg1.Cols() - 1);
    ASSERT_EQ(c.AltitudeCount(), msfg1.Rows() - 1);
    EXPECT_EQ(c.speedHeaders.front(), msfg1.TextAt(0, 1));
    EXPECT_EQ(c.altitudes.back(), 90000.0f);
    EXPECT_EQ(c.totals.cellsWritten, outcome.totals.cellsWritten);
    int kinds[4] = {};  // Military, afterburner, no steady flight, failed
    for (int col = 1; col <= c.SpeedCount(); ++col) {
      for (int row = 1; row <= c.AltitudeCount(); ++row) {
        const CellResult& cell = c.Cell(row, col);
        ASSERT_TRUE(SameCell(ReevaluateCell(c, row, col), cell)) << row << ", " << col;
        ++kinds[cell.failure != CellFailure::None ? 3 : static_cast<int>(cell.regime)];
        const bool dashes = msfg1.TextAt(row, col) == "------";
        ASSERT_EQ(dashes, !cell.Steady()) << row << ", " << col;
        if (cell.Steady()) {
          ASSERT_EQ(msfg1.TextAt(row, col), FormatGeneral(cell.fuelFlow));
        }
      }
    }
    for (int kind : kinds)
      EXPECT_GT(kind, 0);
  }
}

// A later change to the record, the grids or the fields does not reach a computation made
// before it: it holds its own copy.
TEST_F(Computation, IsNotChangedByWhatComesAfterIt) {
  ApplyStartupLayout(msfg1, msfg2);
  const auto computation = Compute().computation;
  const CellResult before = computation->Cell(5, 5);
  aircraft.ReferenceArea = FieldValue::Number(1);
  ResetAircraftRecord(aircraft);
  ASSERT_TRUE(CreateTableLayout(DefaultRangeTexts(), msfg1, msfg2).applied);
  EXPECT_TRUE(SameCell(ReevaluateCell(*computation, 5, 5), before));
  EXPECT_EQ(computation->speedHeaders.size(), 23u);
}

// Held against the headers, texts, mode and record of now, a computation says what changed.
TEST_F(Computation, SaysWhatNoLongerMatches) {
  ApplyStartupLayout(msfg1, msfg2);
  const auto computation = Compute().computation;
  std::vector<std::string> speeds(computation->speedHeaders);
  std::vector<std::string> altitudes(computation->altitudeHeaders);
  AircraftRecord other = aircraft;
  other.FuelFlowFactorAb += 0.01;
  struct Case {
    const char* name;
    void (*change)(CurrentInputs&, std::vector<std::string>&, const AircraftRecord*);
    Staleness expected;
  };
  const Case cases[] = {
      {"nothing", [](CurrentInputs&, std::vector<std::string>&, const AircraftRecord*) {}, {}},
      {"a speed header",
       [](CurrentInputs&, std::vector<std::string>& s, const AircraftRecord*) { s[3] = " 290"; },
       {true, false, false, false}},
      {"the weight",
       [](CurrentInputs& n, std::vector<std::string>&, const AircraftRecord*) {
         n.compWeightText = "33100";
       },
       {false, true, false, false}},
      {"a count",
       [](CurrentInputs& n, std::vector<std::string>&, const AircraftRecord*) {
         n.countTexts[4] = "0";
       },
       {false, true, false, false}},
      {"the mode",
       [](CurrentInputs& n, std::vector<std::string>&, const AircraftRecord*) {
         n.mode = DisplayMode::Tas;
       },
       {false, false, true, false}},
      {"the aircraft",
       [](CurrentInputs& n, std::vector<std::string>&, const AircraftRecord* o) { n.aircraft = o; },
       {false, false, false, true}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> shownSpeeds = speeds;
    CurrentInputs now;
    now.compWeightText = "33000";
    now.countTexts = counts;
    now.mode = DisplayMode::LbsPerNm;
    now.aircraft = &aircraft;
    c.change(now, shownSpeeds, &other);
    now.speedHeaders.assign(shownSpeeds.begin(), shownSpeeds.end());
    now.altitudeHeaders.assign(altitudes.begin(), altitudes.end());
    const Staleness s = CompareWithCurrent(*computation, now);
    EXPECT_EQ(s.tableRelaid, c.expected.tableRelaid) << c.name;
    EXPECT_EQ(s.inputsEdited, c.expected.inputsEdited) << c.name;
    EXPECT_EQ(s.modeChanged, c.expected.modeChanged) << c.name;
    EXPECT_EQ(s.aircraftChanged, c.expected.aircraftChanged) << c.name;
    EXPECT_EQ(s.Current(), std::string(c.name) == "nothing") << c.name;
  }
}

TEST(DisplayModes, EveryModeHasItsOwnEntryAndCommandLineName) {
  for (const DisplayModeInfo& info : kDisplayModes) {
    EXPECT_EQ(InfoOf(info.mode).mode, info.mode);
    EXPECT_EQ(DisplayModeNamed(info.cliName), info.mode);
  }
  EXPECT_EQ(DisplayModeNamed("knots"), std::nullopt);
}

}  // namespace
}  // namespace tz9
