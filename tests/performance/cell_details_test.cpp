// SPDX-License-Identifier: GPL-3.0-or-later
// The details of a cell: which quantities the evaluation reached, the published figures of the
// check aircraft, the thrust available, and the reason sentence for every outcome and limit.
#include "performance/cell_details.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "performance/sweep.h"
#include "test_support.h"

namespace tz9 {
namespace {

// The quantities present, by short name, in the order of the details.
std::string ReachedNames(const CellDetails& d) {
  const std::pair<const char*, bool> names[] = {
      {"cas", d.cas.has_value()},
      {"alt", d.altitude.has_value()},
      {"air", d.density && d.staticPressure && d.dynamicPressure},
      {"mach", d.mach && d.tas && d.supersonic},
      {"cl", d.liftCoefficient.has_value()},
      {"alpha", d.angleOfAttack.has_value()},
      {"cd", d.dragCoefficient.has_value()},
      {"drag", d.storeDragFactor && d.aeroDrag && d.storesDrag && d.totalDrag},
      {"mil", d.militaryThrust && d.militaryExcess},
      {"ab", d.afterburnerThrust && d.afterburnerExcess},
      {"fuel", d.fuelFlow && d.lbsPerNm},
  };
  std::string text;
  for (const auto& [name, present] : names) {
    if (present) text += (text.empty() ? "" : " ") + std::string(name);
  }
  return text;
}

CellDetails CheckCell(double cas, float altitude, const AircraftRecord& aircraft) {
  return DetailPoint(aircraft, 20000, {}, cas, altitude, DisplayMode::LbsPerNm);
}

TEST(CellDetails, ShowOnlyTheQuantitiesTheEvaluationReached) {
  const AircraftRecord aircraft = test::CheckAircraft();
  const struct {
    const char* name;
    double cas;
    float altitude;
    CellOutcome outcome;
    const char* reached;
  } cases[] = {
      {"Military holds it: the afterburner is never consulted", 300, 0, CellOutcome::Military,
       "cas alt air mach cl alpha cd drag mil fuel"},
      {"afterburner", 600, 0, CellOutcome::Afterburner,
       "cas alt air mach cl alpha cd drag mil ab fuel"},
      {"drag above the afterburner thrust", 650, 0, CellOutcome::NoSteadyFlight,
       "cas alt air mach cl alpha cd drag mil ab"},
      {"too slow: no angle of attack", 120, 0, CellOutcome::NoSteadyFlight, "cas alt air mach cl"},
      {"Mach beyond the lift table", 900, 40000, CellOutcome::NoSteadyFlight,
       "cas alt air mach cl"},
      {"altitude beyond the thrust tables", 420, 52000, CellOutcome::NoSteadyFlight,
       "cas alt air mach cl alpha cd drag"},
      {"speed of zero", 0, 0, CellOutcome::Failed, "cas alt air mach"},
      {"beyond the atmosphere: no pressure, so no Mach number", 300, 150000, CellOutcome::Failed,
       "cas alt cl"},
  };
  for (const auto& c : cases) {
    const CellDetails details = CheckCell(c.cas, c.altitude, aircraft);
    EXPECT_EQ(details.outcome, c.outcome) << c.name;
    EXPECT_EQ(ReachedNames(details), c.reached) << c.name;
  }
}

// The figures the check aircraft is published with, to nine significant digits.
TEST(CellDetails, GiveTheCheckAircraftsPublishedFigures) {
  const AircraftRecord aircraft = test::CheckAircraft();
  const CellDetails at300 = CheckCell(300, 0, aircraft);
  const CellDetails at600 = CheckCell(600, 0, aircraft);
  const struct {
    const char* name;
    std::optional<double> got;
    double published;
  } cases[] = {
      {"density", at300.density, 0.002376892},
      {"speed of sound", at300.speedOfSound, 661.4786043},
      {"Mach", at300.mach, 0.4535294112},
      {"TAS", at300.tas, 300.0000019},
      {"lift coefficient", at300.liftCoefficient, 0.218789405},
      {"angle of attack", at300.angleOfAttack, 1.48486756},
      {"drag coefficient", at300.dragCoefficient, 0.0259394702},
      {"dynamic pressure", at300.dynamicPressure, 304.707016},
      {"total drag", at300.totalDrag, 2371.1816},
      {"Military thrust available", at300.militaryThrust, 2500},
      {"Military excess thrust", at300.militaryExcess, 2500 - 2371.1816},
      {"fuel flow", at300.fuelFlow, 1896},
      {"lb per NM", at300.lbsPerNm, 6.3199999591666},
      {"store drag factor at 600 kt", at600.storeDragFactor, 1.40705884},
      {"total drag at 600 kt", at600.totalDrag, 8555.3315},
      {"afterburner thrust at 600 kt", at600.afterburnerThrust, 9000},
      {"afterburner excess at 600 kt", at600.afterburnerExcess, 9000 - 8555.3315},
      {"Military excess at 600 kt", at600.militaryExcess, 2500 - 8555.3315},
      {"fuel flow at 600 kt", at600.fuelFlow, 17110},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(c.got.has_value()) << c.name;
    EXPECT_NEAR(*c.got, c.published, std::abs(c.published) * 1e-8 + 1e-4) << c.name;
  }
}

TEST(CellDetails, ThrustAvailableIsTheTableValueTimesTheMultiplier) {
  AircraftRecord aircraft = test::CheckAircraft();
  aircraft.ThrustMultiplier = FieldValue::Number(2);
  const struct {
    const char* name;
    double cas;
    CellOutcome outcome;
    double military;
    std::optional<double> afterburner;
  } cases[] = {
      {"Military doubled holds 600 kt", 600, CellOutcome::Afterburner, 5000, 18000},
      {"the afterburner doubled holds 650 kt", 650, CellOutcome::Afterburner, 5000, 18000},
      {"300 kt", 300, CellOutcome::Military, 5000, std::nullopt},
  };
  for (const auto& c : cases) {
    const CellDetails details = CheckCell(c.cas, 0, aircraft);
    EXPECT_EQ(details.outcome, c.outcome) << c.name;
    EXPECT_EQ(details.militaryThrust, c.military) << c.name;
    EXPECT_EQ(details.afterburnerThrust, c.afterburner) << c.name;
  }
  aircraft.ThrustMultiplier = FieldValue::Text("x");
  const CellDetails failed = CheckCell(300, 0, aircraft);
  EXPECT_EQ(failed.outcome, CellOutcome::Failed);
  EXPECT_EQ(failed.militaryThrust, std::nullopt);
  EXPECT_EQ(CellReason(failed),
            "Could not be computed: text where a number is needed in the thrust multiplier");
}

// Evaluated cells of the check aircraft and of variants of it that run out elsewhere.
TEST(CellDetails, ReasonOfAnEvaluatedCellNamesWhatDecidedIt) {
  const AircraftRecord check = test::CheckAircraft();
  AircraftRecord shortThrustMach = check;  // the thrust tables end at Mach 1.5
  shortThrustMach.ThrustMachBreakpoints[2] = FieldValue::Number(1.5);
  AircraftRecord noLiftRows = check;
  noLiftRows.AerodynamicMachCount = FieldValue::Number(0);
  const struct {
    const char* name;
    const AircraftRecord& aircraft;
    double cas;
    float altitude;
    const char* reason;
  } cases[] = {
      {"Military", check, 300, 0, "Drag 2371 lbf is below the Military thrust 2500 lbf"},
      {"afterburner", check, 600, 0,
       "Drag 8555 lbf is at or above the Military thrust 2500 lbf and below the afterburner "
       "thrust 9000 lbf"},
      {"too much drag", check, 650, 0,
       "Drag 10301 lbf is at or above the afterburner thrust 9000 lbf"},
      {"too slow", check, 120, 0,
       "Too slow or too heavy: the lift coefficient needed, 1.3674, is above the highest value "
       "of the lift curve at Mach 0.181, 1.2"},
      {"Mach beyond the lift table", check, 900, 40000,
       "Mach 2.27 is beyond the last Mach breakpoint of the lift table, 2"},
      {"lift table without Mach rows", noLiftRows, 300, 0,
       "Mach 0.454 is beyond the lift table, which has no Mach breakpoints"},
      {"altitude beyond the Military table", check, 420, 52000,
       "52000 ft is beyond the last altitude of the Military thrust table, 50000 ft"},
      {"altitude at the last row", check, 420, 50000,
       "50000 ft is at the last altitude of the Military thrust table, 50000 ft"},
      {"Mach beyond the Military table", shortThrustMach, 560, 40000,
       "Mach 1.6 is beyond the last Mach breakpoint of the Military thrust table, 1.5"},
      {"speed of zero", check, 0, 0, "Could not be computed: division by zero: speed of zero"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CellReason(CheckCell(c.cas, c.altitude, c.aircraft)), c.reason) << c.name;
  }
}

// Every limit, including those the shared thrust axes make hard to reach, from details made by
// hand; numbers that round alike get digits until they read apart.
TEST(CellDetails, ReasonSentenceForEveryLimit) {
  using Limit = SteadyFlightLimit;
  const auto noFlight = [](Limit limit, std::optional<double> edge,
                           const std::function<void(CellDetails&)>& set) {
    CellDetails d;
    d.outcome = CellOutcome::NoSteadyFlight;
    d.limit = limit;
    d.limitEdge = edge;
    d.altitude = 52000.0f;
    d.mach = 2.3125;
    d.liftCoefficient = 1.36743;
    d.angleOfAttack = 21.25;
    d.totalDrag = 10301.0488;
    d.militaryThrust = 2500;
    d.afterburnerThrust = 9000;
    set(d);
    return d;
  };
  const auto same = [](CellDetails&) {};
  const struct {
    const char* name;
    CellDetails details;
    const char* reason;
  } cases[] = {
      {"Mach beyond the aerodynamic tables", noFlight(Limit::MachBeyondAeroTables, 2, same),
       "Mach 2.31 is beyond the last Mach breakpoint of the lift table, 2"},
      {"Mach a hair beyond the last breakpoint",
       noFlight(Limit::MachBeyondAeroTables, 2, [](CellDetails& d) { d.mach = 2.0004; }),
       "Mach 2.0004 is beyond the last Mach breakpoint of the lift table, 2"},
      {"lift curve exceeded", noFlight(Limit::LiftCoefficientAboveCurve, 1.2, same),
       "Too slow or too heavy: the lift coefficient needed, 1.3674, is above the highest value "
       "of the lift curve at Mach 2.31, 1.2"},
      {"lift curve reached exactly",
       noFlight(Limit::LiftCoefficientAboveCurve, 1.2,
                [](CellDetails& d) { d.liftCoefficient = 1.2; }),
       "Too slow or too heavy: the lift coefficient needed, 1.2, equals the highest value of "
       "the lift curve at Mach 2.31, 1.2"},
      {"lift curve without values", noFlight(Limit::LiftCoefficientAboveCurve, std::nullopt, same),
       "Too slow or too heavy: the lift curve at Mach 2.31 has no value above the lift "
       "coefficient needed, 1.3674"},
      {"angle of attack beyond the drag table", noFlight(Limit::AlphaBeyondDragTable, 20, same),
       "The angle of attack needed, 21.25 deg, is beyond the last angle-of-attack breakpoint of "
       "the drag table, 20 deg"},
      {"drag table without angles", noFlight(Limit::AlphaBeyondDragTable, std::nullopt, same),
       "The angle of attack needed, 21.25 deg, is beyond the drag table, which has no "
       "angle-of-attack breakpoints"},
      {"altitude beyond the Military table", noFlight(Limit::AltitudeBeyondMilitary, 50000, same),
       "52000 ft is beyond the last altitude of the Military thrust table, 50000 ft"},
      {"Military table without altitudes",
       noFlight(Limit::AltitudeBeyondMilitary, std::nullopt, same),
       "52000 ft is beyond the Military thrust table, which has no altitudes"},
      {"Mach beyond the Military table", noFlight(Limit::MachBeyondMilitary, 2.3, same),
       "Mach 2.31 is beyond the last Mach breakpoint of the Military thrust table, 2.3"},
      {"altitude beyond the afterburner table",
       noFlight(Limit::AltitudeBeyondAfterburner, 50000, same),
       "Drag 10301 lbf is at or above the Military thrust 2500 lbf, and 52000 ft is beyond the "
       "last altitude of the afterburner thrust table, 50000 ft"},
      {"Mach beyond the afterburner table", noFlight(Limit::MachBeyondAfterburner, 2, same),
       "Drag 10301 lbf is at or above the Military thrust 2500 lbf, and Mach 2.31 is beyond the "
       "last Mach breakpoint of the afterburner thrust table, 2"},
      {"drag at or above the afterburner thrust",
       noFlight(Limit::DragAtOrAboveAfterburner, std::nullopt, same),
       "Drag 10301 lbf is at or above the afterburner thrust 9000 lbf"},
      {"drag a fraction above the afterburner thrust",
       noFlight(Limit::DragAtOrAboveAfterburner, std::nullopt,
                [](CellDetails& d) { d.totalDrag = 9000.25; }),
       "Drag 9000.2 lbf is at or above the afterburner thrust 9000.0 lbf"},
      {"no limit recorded", noFlight(Limit::None, std::nullopt, same), "No steady flight"},
  };
  std::set<Limit> covered;
  for (const auto& c : cases) {
    EXPECT_EQ(CellReason(c.details), c.reason) << c.name;
    covered.insert(c.details.limit);
  }
  EXPECT_EQ(covered.size(), static_cast<size_t>(Limit::DragAtOrAboveAfterburner) + 1);
}

TEST(CellDetails, ReasonOfASteadyOrFailedCell) {
  const auto cell = [](CellOutcome outcome, double drag, CellFailure failure) {
    CellDetails d;
    d.outcome = outcome;
    d.failure = failure;
    d.totalDrag = drag;
    d.militaryThrust = 2500;
    d.afterburnerThrust = 9000;
    return d;
  };
  const struct {
    const char* name;
    CellDetails details;
    const char* reason;
  } cases[] = {
      {"Military", cell(CellOutcome::Military, 2371.18, CellFailure::None),
       "Drag 2371 lbf is below the Military thrust 2500 lbf"},
      {"Military a fraction below", cell(CellOutcome::Military, 2499.7, CellFailure::None),
       "Drag 2499.7 lbf is below the Military thrust 2500.0 lbf"},
      {"afterburner", cell(CellOutcome::Afterburner, 8555.33, CellFailure::None),
       "Drag 8555 lbf is at or above the Military thrust 2500 lbf and below the afterburner "
       "thrust 9000 lbf"},
      {"afterburner a fraction below", cell(CellOutcome::Afterburner, 8999.9, CellFailure::None),
       "Drag 8999.9 lbf is at or above the Military thrust 2500.0 lbf and below the afterburner "
       "thrust 9000.0 lbf"},
      {"failed", cell(CellOutcome::Failed, 0, CellFailure::LiftTooManyEntries),
       "Could not be computed: a count above 25 in the lift table"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CellReason(c.details), c.reason) << c.name;
  }
}

// A computation's cell gives the details of the cell the sweep made: the same outcome and fuel
// flow, the header values as read, and no speed or altitude where a header could not be read.
TEST(CellDetails, OfAComputationCellAreThoseOfTheCellTheSweepMade) {
  const AircraftRecord aircraft = test::CheckAircraft();
  ResultGrid msfg1, msfg2;
  for (ResultGrid* grid : {&msfg1, &msfg2}) {
    grid->SetRows(4);
    grid->SetCols(4);
  }
  const char* speeds[] = {"300", "600", "1e999"};
  const char* altitudes[] = {" 0 ft", "40000 ft", "ft"};
  for (int i = 0; i < 3; ++i) {
    msfg1.SetRow(0);
    msfg1.SetCol(i + 1);
    msfg1.SetText(speeds[i]);
    msfg1.SetRow(i + 1);
    msfg1.SetCol(0);
    msfg1.SetText(altitudes[i]);
  }
  const SweepOutcome outcome =
      ComputeTable(aircraft, {"19000", "20000", {"0", "0", "0", "0", "0", "0"}}, msfg1, msfg2);
  ASSERT_NE(outcome.computation, nullptr);
  const TableComputation& computation = *outcome.computation;
  for (int row = 1; row <= 3; ++row) {
    for (int col = 1; col <= 3; ++col) {
      const CellDetails details = DetailComputationCell(computation, row, col);
      const CellResult& cell = computation.Cell(row, col);
      const std::string where = std::to_string(row) + ", " + std::to_string(col);
      EXPECT_EQ(details.outcome == CellOutcome::Failed, cell.failure != CellFailure::None) << where;
      EXPECT_EQ(details.failure, cell.failure) << where;
      EXPECT_EQ(details.fuelFlow.value_or(0), cell.fuelFlow) << where;
      EXPECT_EQ(details.cas.has_value(), col != 3) << where;
      EXPECT_EQ(details.altitude.has_value(), row != 3) << where;
      EXPECT_EQ(details.weight, 20000) << where;
    }
  }
  EXPECT_EQ(DetailComputationCell(computation, 2, 2).altitude, 40000.0f);
  EXPECT_EQ(DetailComputationCell(computation, 1, 2).outcome, CellOutcome::Afterburner);
  EXPECT_EQ(CellReason(DetailComputationCell(computation, 3, 1)),
            "Could not be computed: an altitude header shorter than \" ft\"");
}

}  // namespace
}  // namespace tz9
