#include "performance/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "aircraft/aircraft_reader.h"
#include "tables/table_layout.h"

namespace tz9 {
namespace {

// The small check aircraft: two Mach rows, four angles of attack, thrust at 0 and 50000 ft.
std::unique_ptr<AircraftRecord> CheckAircraft() {
  auto a = std::make_unique<AircraftRecord>();
  ResetAircraftRecord(*a);
  const auto n = [](double v) { return FieldValue::Number(v); };
  a->ReferenceArea = n(300);
  a->AerodynamicMachCount = n(2);
  a->AerodynamicMachBreakpoints[1] = n(0);
  a->AerodynamicMachBreakpoints[2] = n(2);
  a->AlphaCount = n(4);
  const double alphas[] = {-5, 0, 10, 20};
  const double lift[] = {-0.3, 0.1, 0.9, 1.2};
  const double drag[] = {0.05, 0.02, 0.06, 0.2};
  for (int j = 1; j <= 4; ++j) {
    a->AlphaBreakpoints[j] = n(alphas[j - 1]);
    for (int i = 1; i <= 2; ++i) {
      a->LiftTable[i][j] = n(lift[j - 1]);
      a->DragTable[i][j] = n(drag[j - 1]);
    }
  }
  a->StoreDragMachBreakpoints = {0, 0, 0.5f, 1.5f};
  a->StoreDragFactors[1] = n(1);
  a->StoreDragFactors[2] = n(1);
  a->StoreDragFactors[3] = n(2);
  a->ThrustAltitudeCount = n(2);
  a->ThrustAltitudeBreakpoints[1] = 0;
  a->ThrustAltitudeBreakpoints[2] = 50000;
  a->ThrustMachCount = n(2);
  a->ThrustMachBreakpoints[1] = n(0);
  a->ThrustMachBreakpoints[2] = n(3);
  a->MilitaryThrustTable[1][1] = n(2500);
  a->MilitaryThrustTable[1][2] = n(2500);
  a->MilitaryThrustTable[2][1] = n(2000);
  a->MilitaryThrustTable[2][2] = n(3000);
  a->AfterburnerThrustTable[1][1] = n(9000);
  a->AfterburnerThrustTable[1][2] = n(9000);
  a->AfterburnerThrustTable[2][1] = n(4500);
  a->AfterburnerThrustTable[2][2] = n(4500);
  a->ThrustMultiplier = n(1);
  a->FuelFlowFactorNormal = 0.8;
  a->FuelFlowFactorAb = 2;
  return a;
}

// Both grids sized to the headers given, msfg1's headers written as the layouts write them.
void LayOut(const std::vector<std::string>& speeds, const std::vector<std::string>& altitudes,
            ResultGrid& msfg1, ResultGrid& msfg2) {
  for (ResultGrid* grid : {&msfg1, &msfg2}) {
    grid->SetRows(static_cast<int>(altitudes.size()) + 1);
    grid->SetCols(static_cast<int>(speeds.size()) + 1);
    grid->SetRow(0);
    for (size_t c = 0; c < speeds.size(); ++c) {
      grid->SetCol(static_cast<int>(c) + 1);
      grid->SetText(speeds[c]);
    }
    grid->SetCol(0);
    for (size_t r = 0; r < altitudes.size(); ++r) {
      grid->SetRow(static_cast<int>(r) + 1);
      grid->SetText(altitudes[r]);
    }
  }
}

SweepInputs Inputs(DisplayMode mode, std::string_view zfw = "19000",
                   std::string_view weight = "20000") {
  return {zfw, weight, {"0", "0", "0", "0", "0", "0"}, mode};
}

struct Shown {
  std::string text;
  std::optional<Colour> colour;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << '"' << s.text << "\" on " << (s.colour ? std::to_string(*s.colour) : "default");
}

Shown At(const ResultGrid& grid, int row, int col) {
  return {std::string(grid.TextAt(row, col)), grid.BackColorAt(row, col)};
}

constexpr Colour kWhite = RegimeColour::White, kYellow = RegimeColour::Yellow,
                 kGreen = RegimeColour::Green, kRed = RegimeColour::Red;

// Check cells: 300, 600, 650 kt at 0 ft (row 1); 560, 660 kt at 40000 ft (row 2).
struct CheckCell {
  int row, col;
  Shown fuelFlow;
  Shown second;
};

struct ModeCase {
  std::string name;
  DisplayMode mode;
  std::vector<CheckCell> cells;
};

class Sweep : public ::testing::Test {
 protected:
  void SetUp() override {
    LayOut({"300", "600", "650", "560", "660"}, {" 0 ft", " 40000 ft"}, msfg1, msfg2);
  }
  std::unique_ptr<AircraftRecord> aircraft = CheckAircraft();
  ResultGrid msfg1;
  ResultGrid msfg2;
};

TEST_F(Sweep, WritesTheCheckCellsInEveryMode) {
  const std::vector<ModeCase> cases = {
      {"Lbs / NM",
       DisplayMode::LbsPerNm,
       {{1, 1, {"1896", kWhite}, {"6.319", kWhite}},
        {1, 2, {"17110", kYellow}, {"28.51", kYellow}},
        {1, 3, {"------", kWhite}, {"------", kWhite}},
        {2, 4, {"1740", kGreen}, {"1.935", kGreen}},
        {2, 5, {"5267", kRed}, {"5.182", kRed}}}},
      {"TAS",
       DisplayMode::Tas,
       {{1, 1, {"1896", kWhite}, {"300", std::nullopt}},
        {1, 2, {"17110", kYellow}, {"600", std::nullopt}},
        {1, 3, {"------", kWhite}, {"650", kWhite}},
        {2, 4, {"1740", kGreen}, {"898", std::nullopt}},
        {2, 5, {"5267", kRed}, {"1016", std::nullopt}}}},
      {"Mach Number",
       DisplayMode::MachNumber,
       {{1, 1, {"1896", kWhite}, {"0.45", std::nullopt}},
        {1, 2, {"17110", kYellow}, {"0.9", std::nullopt}},
        {1, 3, {"------", kWhite}, {"0.98", kWhite}},
        {2, 4, {"1740", kGreen}, {"1.59", std::nullopt}},
        {2, 5, {"5267", kRed}, {"1.8", std::nullopt}}}},
  };
  for (const ModeCase& c : cases) {
    msfg1 = ResultGrid();
    msfg2 = ResultGrid();
    LayOut({"300", "600", "650", "560", "660"}, {" 0 ft", " 40000 ft"}, msfg1, msfg2);
    const SweepOutcome outcome = ComputeTable(*aircraft, Inputs(c.mode), msfg1, msfg2);
    EXPECT_EQ(outcome.Message(), "Computed 10 cells.") << c.name;
    for (const CheckCell& cell : c.cells) {
      EXPECT_EQ(At(msfg1, cell.row, cell.col), cell.fuelFlow) << c.name << " col " << cell.col;
      EXPECT_EQ(At(msfg2, cell.row, cell.col), cell.second) << c.name << " col " << cell.col;
    }
  }
}

TEST_F(Sweep, TasAfterLbsPerNmKeepsColoursOfSteadyCellsAndWhitensTheOthers) {
  ComputeTable(*aircraft, Inputs(DisplayMode::LbsPerNm), msfg1, msfg2);
  ComputeTable(*aircraft, Inputs(DisplayMode::Tas), msfg1, msfg2);
  EXPECT_EQ(At(msfg2, 1, 2), (Shown{"600", kYellow}));
  EXPECT_EQ(At(msfg2, 2, 5), (Shown{"1016", kRed}));
  EXPECT_EQ(At(msfg2, 1, 3), (Shown{"650", kWhite}));
  EXPECT_EQ(At(msfg1, 1, 3), (Shown{"------", kWhite}));
}

TEST_F(Sweep, HeaderFormsOfBothLayoutsReadTheSame) {
  ResultGrid startup1, startup2;
  LayOut({" 300", " 560"}, {"0 ft", "35000 ft"}, startup1, startup2);
  ResultGrid created1, created2;
  LayOut({"300", "560"}, {" 0 ft", " 35000 ft"}, created1, created2);
  ComputeTable(*aircraft, Inputs(DisplayMode::LbsPerNm), startup1, startup2);
  ComputeTable(*aircraft, Inputs(DisplayMode::LbsPerNm), created1, created2);
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 2; ++c) {
      EXPECT_EQ(At(startup1, r, c), At(created1, r, c));
      EXPECT_EQ(At(startup2, r, c), At(created2, r, c));
    }
  }
}

TEST_F(Sweep, StartupTableWritesAll253CellsAndNoHeader) {
  ResultGrid g1, g2;
  ApplyStartupLayout(g1, g2);
  const SweepOutcome outcome = ComputeTable(*aircraft, Inputs(DisplayMode::LbsPerNm), g1, g2);
  EXPECT_EQ(outcome.cellsWritten, 253);
  EXPECT_EQ(outcome.Message(), "Computed 253 cells.");
  for (const ResultGrid* g : {&g1, &g2}) {
    EXPECT_EQ(g->TextAt(0, 0), "");
    EXPECT_EQ(g->BackColorAt(0, 0), std::nullopt);
    EXPECT_EQ(g->TextAt(0, 23), " 850");
    EXPECT_EQ(g->TextAt(11, 0), "40000 ft");
    for (int r = 1; r < 12; ++r) {
      for (int c = 1; c < 24; ++c)
        EXPECT_NE(g->TextAt(r, c), "") << r << "," << c;
    }
    EXPECT_EQ(g->Row(), 11);  // the last cell written
    EXPECT_EQ(g->Col(), 23);
  }
}

struct GuardCase {
  std::string name;
  std::string zfw, weight;
  SweepRefusal refusal;
  std::string message;
};

TEST_F(Sweep, GuardRefusesWithoutTouchingTheGrids) {
  const std::vector<GuardCase> cases = {
      {"no aircraft", "", "20000", SweepRefusal::NoAircraft,
       "Compute Table needs an aircraft: load a file first."},
      {"weight with a unit", "19000", "12000 lb", SweepRefusal::WeightNotNumber,
       "The computing weight is not a number."},
      {"empty weight", "19000", "", SweepRefusal::WeightNotNumber,
       "The computing weight is not a number."},
      {"overflowed weight", "19000", "overflow", SweepRefusal::WeightNotNumber,
       "The computing weight is not a number."},
      {"weight below zfw", "19000", "18999.5", SweepRefusal::WeightBelowZfw,
       "The computing weight is below the zero fuel weight."},
  };
  for (const GuardCase& c : cases) {
    const SweepOutcome outcome =
        ComputeTable(*aircraft, Inputs(DisplayMode::LbsPerNm, c.zfw, c.weight), msfg1, msfg2);
    EXPECT_EQ(outcome.refusal, c.refusal) << c.name;
    EXPECT_FALSE(outcome.Started()) << c.name;
    EXPECT_EQ(outcome.Message(), c.message) << c.name;
    EXPECT_EQ(outcome.cellsWritten, 0) << c.name;
    EXPECT_EQ(At(msfg1, 1, 1), (Shown{"", std::nullopt})) << c.name;
    EXPECT_EQ(At(msfg2, 1, 1), (Shown{"", std::nullopt})) << c.name;
  }
}

TEST_F(Sweep, WeightEqualToZeroFuelWeightComputes) {
  const SweepOutcome outcome =
      ComputeTable(*aircraft, Inputs(DisplayMode::LbsPerNm, "20000", "20000"), msfg1, msfg2);
  EXPECT_TRUE(outcome.Started());
  EXPECT_EQ(At(msfg1, 1, 1), (Shown{"1896", kWhite}));
}

TEST_F(Sweep, RefusesGridsOfDifferentSizes) {
  msfg2.SetCols(3);
  const SweepOutcome outcome = ComputeTable(*aircraft, Inputs(DisplayMode::Tas), msfg1, msfg2);
  EXPECT_EQ(outcome.refusal, SweepRefusal::GridsDiffer);
  EXPECT_EQ(At(msfg1, 1, 1), (Shown{"", std::nullopt}));
}

TEST_F(Sweep, FailedCellsShowDashesInBothGridsInEveryModeAndTheSweepGoesOn) {
  for (DisplayMode mode : {DisplayMode::LbsPerNm, DisplayMode::Tas, DisplayMode::MachNumber}) {
    msfg1 = ResultGrid();
    msfg2 = ResultGrid();
    LayOut({"0", "300"}, {"5", " 0 ft", "1e39 ft"}, msfg1, msfg2);
    const SweepOutcome outcome = ComputeTable(*aircraft, Inputs(mode), msfg1, msfg2);
    EXPECT_EQ(outcome.cellsWritten, 6);
    EXPECT_EQ(outcome.cellsFailed, 5);  // every cell but 300 kt at 0 ft
    EXPECT_EQ(outcome.Message(),
              "Computed 6 cells; 5 could not be computed, the first at 0 kt, 5: an altitude "
              "header shorter than \" ft\".");
    for (int r = 1; r <= 3; ++r) {
      for (int c = 1; c <= 2; ++c) {
        if (r == 2 && c == 2) continue;
        EXPECT_EQ(At(msfg1, r, c), (Shown{"------", kWhite})) << r << "," << c;
        EXPECT_EQ(At(msfg2, r, c), (Shown{"------", kWhite})) << r << "," << c;
      }
    }
    EXPECT_EQ(At(msfg1, 2, 2), (Shown{"1896", kWhite}));
  }
}

TEST_F(Sweep, ZeroSpeedFailsWithItsCause) {
  LayOut({"300", "0"}, {" 0 ft"}, msfg1, msfg2);
  const SweepOutcome outcome = ComputeTable(*aircraft, Inputs(DisplayMode::Tas), msfg1, msfg2);
  EXPECT_EQ(outcome.cellsFailed, 1);
  EXPECT_EQ(outcome.firstFailedSpeed, "0");
  EXPECT_EQ(outcome.firstFailedAltitude, " 0 ft");
  EXPECT_FALSE(outcome.firstFailureCause.empty());
  EXPECT_EQ(At(msfg2, 1, 2), (Shown{"------", kWhite}));
}

TEST_F(Sweep, ExtremeHeadersNeverShowInfinityOrNan) {
  for (DisplayMode mode : {DisplayMode::LbsPerNm, DisplayMode::Tas, DisplayMode::MachNumber}) {
    LayOut({"1e308", "-1e308", "1e-320", "1e400", "-300"},
           {"1e38 ft", "-1e308 ft", " 99999999 ft", "-90000 ft"}, msfg1, msfg2);
    ComputeTable(*aircraft, Inputs(mode), msfg1, msfg2);
    for (int r = 1; r < msfg1.Rows(); ++r) {
      for (int c = 1; c < msfg1.Cols(); ++c) {
        for (const ResultGrid* g : {&msfg1, &msfg2}) {
          const std::string text(g->TextAt(r, c));
          EXPECT_EQ(text.find("inf"), std::string::npos) << text;
          EXPECT_EQ(text.find("nan"), std::string::npos) << text;
          EXPECT_FALSE(text.empty());
        }
      }
    }
  }
}

TEST_F(Sweep, ProgressIsReportedAtMostAHundredTimesUpToTheWhole) {
  ResultGrid g1, g2;
  ASSERT_TRUE(CreateTableLayout(
                  {"150", "1", "1000", "1", "1000", "0", "1000", "1000", "1000", "1000"}, g1, g2)
                  .applied);
  std::vector<double> reported;
  ComputeTable(*aircraft, Inputs(DisplayMode::LbsPerNm), g1, g2,
               [&](double done) { reported.push_back(done); });
  EXPECT_LE(reported.size(), 100u);
  EXPECT_GE(reported.size(), 50u);
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  EXPECT_EQ(reported.back(), 1.0);
}

TEST_F(Sweep, CellsDoNotDependOnTheOrderTheyAreComputedIn) {
  ComputeTable(*aircraft, Inputs(DisplayMode::LbsPerNm), msfg1, msfg2);
  ResultGrid b1, b2;
  LayOut({"300", "600", "650", "560", "660"}, {" 0 ft", " 40000 ft"}, b1, b2);
  const StoreCounts none{};
  for (int col = 5; col >= 1; --col) {
    for (int row = 2; row >= 1; --row) {
      ComputeTableCell(*aircraft, 20000, none, DisplayMode::LbsPerNm, col, row, b1, b2);
    }
  }
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 5; ++c) {
      EXPECT_EQ(At(msfg1, r, c), At(b1, r, c));
      EXPECT_EQ(At(msfg2, r, c), At(b2, r, c));
    }
  }
}

// The same check cells through the shipped example file and the real reader.
TEST_F(Sweep, CheckAircraftFileGivesTheSameCells) {
  auto loaded = std::make_unique<AircraftRecord>();
  ResetAircraftRecord(*loaded);
  NoAircraftDisplay display;
  const LoadOutcome load =
      LoadAircraftFile(std::string(TZ9_EXAMPLES_DIR) + "/check-aircraft.dat", *loaded, display);
  ASSERT_TRUE(load.completed) << load.Message();
  ComputeTable(*loaded, Inputs(DisplayMode::LbsPerNm), msfg1, msfg2);
  EXPECT_EQ(At(msfg1, 1, 1), (Shown{"1896", kWhite}));
  EXPECT_EQ(At(msfg2, 1, 2), (Shown{"28.51", kYellow}));
  EXPECT_EQ(At(msfg2, 2, 4), (Shown{"1.935", kGreen}));
  EXPECT_EQ(At(msfg2, 2, 5), (Shown{"5.182", kRed}));
  EXPECT_EQ(At(msfg1, 1, 3), (Shown{"------", kWhite}));
}

}  // namespace
}  // namespace tz9
