// SPDX-License-Identifier: GPL-3.0-or-later
// The details of a cell: which quantities the evaluation reached, the published figures of the
// check aircraft, the thrust available, and the reason sentence for every outcome and limit.
#include "performance/cell_details.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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
      {"fuel", d.fuelFlow && d.lbsPerNm}};
  std::string text;
  for (const auto& [name, present] : names)
    text += present ? (text.empty() ? "" : " ") + std::string(name) : "";
  return text;
}

CellDetails CheckCell(double cas, float altitude, const AircraftRecord& aircraft) {
  return DetailPoint(aircraft, 20000, {}, cas, altitude, DisplayMode::LbsPerNm);
}

// Cells of the check aircraft and of variants of it that run out elsewhere: what decided the
// outcome, and only the quantities the evaluation reached (Military power that holds never
// consults the afterburner); and the figures the check aircraft is published with.
TEST(CellDetails, EvaluatedCellsShowWhatTheEvaluationReachedAndWhy) {
  const AircraftRecord check = test::CheckAircraft();
  AircraftRecord shortThrustMach = check;  // the thrust tables end at Mach 1.5
  shortThrustMach.ThrustMachBreakpoints[2] = FieldValue::Number(1.5);
  AircraftRecord noLiftRows = check;
  noLiftRows.AerodynamicMachCount = FieldValue::Number(0);
  AircraftRecord doubled = check;
  doubled.ThrustMultiplier = FieldValue::Number(2);
  AircraftRecord textMultiplier = check;
  textMultiplier.ThrustMultiplier = FieldValue::Text("x");
  const std::string all = "cas alt air mach cl alpha cd drag";
  using enum CellOutcome;
  const struct {
    const char* name;
    const AircraftRecord& aircraft;
    double cas;
    float altitude;
    CellOutcome outcome;
    std::string reached;
    const char* reason;
  } cases[] = {
      {"Military", check, 300, 0, Military, all + " mil fuel",
       "Drag 2371 lbf is below the Military thrust 2500 lbf"},
      {"afterburner", check, 600, 0, Afterburner, all + " mil ab fuel",
       "Drag 8555 lbf is at or above the Military thrust 2500 lbf and below the afterburner "
       "thrust 9000 lbf"},
      {"too much drag", check, 650, 0, NoSteadyFlight, all + " mil ab",
       "Drag 10301 lbf is at or above the afterburner thrust 9000 lbf"},
      {"thrust times the multiplier", doubled, 650, 0, Afterburner, all + " mil ab fuel",
       "Drag 10301 lbf is at or above the Military thrust 5000 lbf and below the afterburner "
       "thrust 18000 lbf"},
      {"too slow", check, 120, 0, NoSteadyFlight, "cas alt air mach cl",
       "Too slow or too heavy: the lift coefficient needed, 1.3674, is above the highest value "
       "of the lift curve at Mach 0.181, 1.2"},
      {"Mach beyond the lift table", check, 900, 40000, NoSteadyFlight, "cas alt air mach cl",
       "Mach 2.27 is beyond the last Mach breakpoint of the lift table, 2"},
      {"lift table without Mach rows", noLiftRows, 300, 0, NoSteadyFlight, "cas alt air mach cl",
       "Mach 0.454 is beyond the lift table, which has no Mach breakpoints"},
      {"altitude beyond the Military table", check, 420, 52000, NoSteadyFlight, all,
       "52000 ft is beyond the last altitude of the Military thrust table, 50000 ft"},
      {"altitude at the last row", check, 420, 50000, NoSteadyFlight, all,
       "50000 ft is at the last altitude of the Military thrust table, 50000 ft"},
      {"Mach beyond the Military table", shortThrustMach, 560, 40000, NoSteadyFlight, all,
       "Mach 1.6 is beyond the last Mach breakpoint of the Military thrust table, 1.5"},
      {"speed of zero", check, 0, 0, Failed, "cas alt air mach",
       "Could not be computed: division by zero: speed of zero"},
      {"beyond the atmosphere: no pressure, so no Mach number", check, 300, 150000, Failed,
       "cas alt cl", "Could not be computed: altitude beyond the atmosphere model"},
      {"text for the thrust multiplier", textMultiplier, 300, 0, Failed, all,
       "Could not be computed: text where a number is needed in the thrust multiplier"}};
  for (const auto& c : cases) {
    const CellDetails details = CheckCell(c.cas, c.altitude, c.aircraft);
    EXPECT_EQ(details.outcome, c.outcome) << c.name;
    EXPECT_EQ(ReachedNames(details), c.reached) << c.name;
    EXPECT_EQ(CellReason(details), c.reason) << c.name;
  }
  // The figures the check aircraft is published with, to nine significant digits.
  const CellDetails at300 = CheckCell(300, 0, check), at600 = CheckCell(600, 0, check);
  const struct {
    const char* name;
    std::optional<double> got;
    double published;
  } figures[] = {{"density", at300.density, 0.002376892},
                 {"Mach", at300.mach, 0.4535294112},
                 {"lift coefficient", at300.liftCoefficient, 0.218789405},
                 {"drag coefficient", at300.dragCoefficient, 0.0259394702},
                 {"total drag", at300.totalDrag, 2371.1816},
                 {"lb per NM", at300.lbsPerNm, 6.3199999591666},
                 {"store drag factor at 600 kt", at600.storeDragFactor, 1.40705884},
                 {"afterburner excess at 600 kt", at600.afterburnerExcess, 9000 - 8555.3315}};
  for (const auto& f : figures)  // a figure missing is NaN, never near
    EXPECT_NEAR(f.got.value_or(NAN), f.published, std::abs(f.published) * 1e-8 + 1e-4) << f.name;
}

// Limits and outcomes from details made by hand, including those the shared thrust axes make
// hard to reach; numbers that round alike get digits until they read apart.
TEST(CellDetails, ReasonSentenceForEveryLimitAndOutcome) {
  using Limit = SteadyFlightLimit;
  using enum CellOutcome;
  const auto made = [](CellOutcome outcome, Limit limit, std::optional<double> edge,
                       double mach = 2.3125, double cl = 1.36743, double drag = 10301.0488) {
    CellDetails d;
    d.outcome = outcome, d.limit = limit, d.limitEdge = edge, d.altitude = 52000.0f;
    d.mach = mach, d.liftCoefficient = cl, d.angleOfAttack = 21.25, d.totalDrag = drag;
    d.militaryThrust = 2500, d.afterburnerThrust = 9000;
    return d;
  };
  const double mach = 2.3125, cl = 1.36743;
  const struct {
    const char* name;
    CellDetails details;
    const char* reason;
  } cases[] = {
      {"Mach a hair beyond the last breakpoint",
       made(NoSteadyFlight, Limit::MachBeyondAeroTables, 2, 2.0004),
       "Mach 2.0004 is beyond the last Mach breakpoint of the lift table, 2"},
      {"lift curve reached exactly",
       made(NoSteadyFlight, Limit::LiftCoefficientAboveCurve, 1.2, mach, 1.2),
       "Too slow or too heavy: the lift coefficient needed, 1.2, equals the highest value of "
       "the lift curve at Mach 2.31, 1.2"},
      {"lift curve without values", made(NoSteadyFlight, Limit::LiftCoefficientAboveCurve, {}),
       "Too slow or too heavy: the lift curve at Mach 2.31 has no value above the lift "
       "coefficient needed, 1.3674"},
      {"angle of attack beyond the drag table",
       made(NoSteadyFlight, Limit::AlphaBeyondDragTable, 20),
       "The angle of attack needed, 21.25 deg, is beyond the last angle-of-attack breakpoint of "
       "the drag table, 20 deg"},
      {"drag table without angles", made(NoSteadyFlight, Limit::AlphaBeyondDragTable, {}),
       "The angle of attack needed, 21.25 deg, is beyond the drag table, which has no "
       "angle-of-attack breakpoints"},
      {"Military table without altitudes", made(NoSteadyFlight, Limit::AltitudeBeyondMilitary, {}),
       "52000 ft is beyond the Military thrust table, which has no altitudes"},
      {"altitude beyond the afterburner table",
       made(NoSteadyFlight, Limit::AltitudeBeyondAfterburner, 50000),
       "Drag 10301 lbf is at or above the Military thrust 2500 lbf, and 52000 ft is beyond the "
       "last altitude of the afterburner thrust table, 50000 ft"},
      {"Mach beyond the afterburner table", made(NoSteadyFlight, Limit::MachBeyondAfterburner, 2),
       "Drag 10301 lbf is at or above the Military thrust 2500 lbf, and Mach 2.31 is beyond the "
       "last Mach breakpoint of the afterburner thrust table, 2"},
      {"drag a fraction above the afterburner thrust",
       made(NoSteadyFlight, Limit::DragAtOrAboveAfterburner, {}, mach, cl, 9000.25),
       "Drag 9000.2 lbf is at or above the afterburner thrust 9000.0 lbf"},
      {"no limit recorded", made(NoSteadyFlight, Limit::None, {}), "No steady flight"},
      {"Military a fraction below", made(Military, Limit::None, {}, mach, cl, 2499.7),
       "Drag 2499.7 lbf is below the Military thrust 2500.0 lbf"},
      {"afterburner a fraction below", made(Afterburner, Limit::None, {}, mach, cl, 8999.9),
       "Drag 8999.9 lbf is at or above the Military thrust 2500.0 lbf and below the afterburner "
       "thrust 9000.0 lbf"}};
  for (const auto& c : cases)
    EXPECT_EQ(CellReason(c.details), c.reason) << c.name;
}

// A computation's cell gives the details of the cell the sweep made: the same outcome and fuel
// flow, the header values as read, and no speed or altitude where a header could not be read.
TEST(CellDetails, OfAComputationCellAreThoseOfTheCellTheSweepMade) {
  ResultGrid msfg1, msfg2;
  test::LayOut({"300", "600", "1e999"}, {" 0 ft", "40000 ft", "ft"}, msfg1, msfg2);
  const SweepOutcome outcome =
      ComputeTable(test::CheckAircraft(), test::CheckInputs(), msfg1, msfg2);
  ASSERT_NE(outcome.computation, nullptr);
  const TableComputation& computation = *outcome.computation;
  for (int row = 1; row <= 3; ++row) {
    for (int col = 1; col <= 3; ++col) {
      const CellDetails details = DetailComputationCell(computation, row, col);
      const CellResult& cell = computation.Cell(row, col);
      SCOPED_TRACE(std::to_string(row) + ", " + std::to_string(col));
      EXPECT_TRUE((details.outcome == CellOutcome::Failed) == (cell.failure != CellFailure::None) &&
                  details.failure == cell.failure && details.weight == 20000 &&
                  details.fuelFlow.value_or(0) == cell.fuelFlow &&
                  details.cas.has_value() == (col != 3) &&
                  details.altitude.has_value() == (row != 3));
    }
  }
  EXPECT_EQ(DetailComputationCell(computation, 2, 2).altitude, 40000.0f);
  EXPECT_EQ(DetailComputationCell(computation, 1, 2).outcome, CellOutcome::Afterburner);
  EXPECT_EQ(CellReason(DetailComputationCell(computation, 3, 1)),
            "Could not be computed: an altitude header shorter than \" ft\"");
}

}  // namespace
}  // namespace tz9
