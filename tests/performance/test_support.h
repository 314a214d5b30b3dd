// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the core tests: the example aircraft (as text and read through the real reader),
// grids laid out by hand, bit-for-bit comparisons of evaluations, cells and scan answers, and
// hand-made aircraft whose best speeds and fuel figures follow in closed form.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "aircraft/aircraft_reader.h"
#include "common/number_text.h"
#include "performance/atmosphere.h"
#include "performance/best_speeds.h"
#include "performance/level_flight.h"
#include "performance/sweep.h"
#include "performance/table_computation.h"
#include "tables/table_layout.h"

namespace tz9::test {

// The bytes of an example file with LF line ends, so that cases can replace whole lines.
inline std::string ExampleText(const std::string& name) {
  std::stringstream text;
  text << std::ifstream(std::string(TZ9_EXAMPLES_DIR) + "/" + name, std::ios::binary).rdbuf();
  std::string lf = text.str();
  std::erase(lf, '\r');
  return lf;
}

// An aircraft read from the bytes of a file.
inline AircraftRecord LoadBytes(const std::string& bytes) {
  AircraftRecord record;
  ResetAircraftRecord(record);
  NoAircraftDisplay display;
  const LoadOutcome load = LoadAircraftBytes(bytes, record, display);
  EXPECT_TRUE(load.completed) << load.Message();
  return record;
}

// An aircraft of examples/: "check-aircraft.dat" (round figures) or "generic-fighter.dat".
inline AircraftRecord LoadExample(const std::string& name) {
  return LoadBytes(ExampleText(name));
}

inline AircraftRecord CheckAircraft() {
  return LoadExample("check-aircraft.dat");
}

// The check aircraft's weights and no stores, in the given mode.
inline SweepInputs CheckInputs(DisplayMode mode = DisplayMode::LbsPerNm,
                               std::string_view zfw = "19000", std::string_view weight = "20000") {
  return {zfw, weight, {"0", "0", "0", "0", "0", "0"}, mode};
}

// "Compute Table" on the start-up layout, or on the ranges given.
inline std::shared_ptr<const TableComputation> Computed(
    const AircraftRecord& aircraft, const SweepInputs& inputs = CheckInputs(),
    const std::optional<RangeTexts>& ranges = std::nullopt) {
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  EXPECT_TRUE(!ranges || CreateTableLayout(*ranges, msfg1, msfg2).applied);
  return ComputeTable(aircraft, inputs, msfg1, msfg2).computation;
}

// Both grids sized to the headers given and written with them.
inline void LayOut(const std::vector<std::string>& speeds,
                   const std::vector<std::string>& altitudes, ResultGrid& msfg1,
                   ResultGrid& msfg2) {
  for (ResultGrid* grid : {&msfg1, &msfg2}) {
    *grid = ResultGrid();
    grid->SetRows(static_cast<int>(altitudes.size()) + 1);
    grid->SetCols(static_cast<int>(speeds.size()) + 1);
    for (size_t c = 0; c < speeds.size(); ++c)
      grid->SetRow(0), grid->SetCol(static_cast<int>(c) + 1), grid->SetText(speeds[c]);
    for (size_t r = 0; r < altitudes.size(); ++r)
      grid->SetCol(0), grid->SetRow(static_cast<int>(r) + 1), grid->SetText(altitudes[r]);
  }
}

// One cell written as the window writes it: made current, given its text and, if any, a colour.
inline void WriteCell(ResultGrid& grid, int row, int col, std::string_view text,
                      std::optional<Colour> colour = std::nullopt) {
  grid.SetRow(row), grid.SetCol(col), grid.SetText(text);
  if (colour) grid.SetCellBackColor(*colour);
}

// Everything a grid shows or a layout changes, as one text for comparing two grids: its size
// and current cell, the text and colour of each cell from row and column `from` on, and each
// column's width and alignment.
inline std::string GridState(const ResultGrid& grid, int from = 0) {
  std::string state = std::to_string(grid.Rows()) + "x" + std::to_string(grid.Cols()) + " at " +
                      std::to_string(grid.Row()) + "," + std::to_string(grid.Col());
  for (int r = from; r < grid.Rows(); ++r) {
    for (int c = from; c < grid.Cols(); ++c)
      state += "|" + std::string(grid.TextAt(r, c)) +
               std::to_string(grid.BackColorAt(r, c).value_or(-1));
  }
  for (int c = 0; c < grid.Cols(); ++c)
    state += "|" + std::to_string(grid.ColWidth(c)) + "," + std::to_string(grid.ColAlignment(c));
  return state;
}

inline bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The same outcome, failure cause and bits of every figure a cell reports or decides by.
inline bool SameBits(const LevelFlightPoint& x, const LevelFlightPoint& y) {
  return x.failure == y.failure && x.limit == y.limit && x.reached == y.reached &&
         x.regime == y.regime && x.supersonic == y.supersonic && SameBits(x.fuelFlow, y.fuelFlow) &&
         SameBits(x.mach, y.mach) && SameBits(x.tas, y.tas) &&
         SameBits(x.angleOfAttack, y.angleOfAttack) &&
         SameBits(x.dragCoefficient, y.dragCoefficient) && SameBits(x.totalDrag, y.totalDrag) &&
         SameBits(x.militaryThrust, y.militaryThrust) &&
         SameBits(x.afterburnerThrust, y.afterburnerThrust);
}

inline bool SameCell(const CellResult& a, const CellResult& b) {
  return a.regime == b.regime && a.supersonic == b.supersonic && a.failure == b.failure &&
         a.limit == b.limit && SameBits(a.fuelFlow, b.fuelFlow) && SameBits(a.mach, b.mach) &&
         SameBits(a.tas, b.tas) && SameBits(a.lbsPerNm, b.lbsPerNm);
}

inline bool SamePoint(const std::optional<ScanPoint>& a, const std::optional<ScanPoint>& b) {
  return a.has_value() == b.has_value() &&
         (!a ||
          (SameBits(a->cas, b->cas) && SameBits(a->tas, b->tas) && SameBits(a->mach, b->mach) &&
           SameBits(a->fuelFlow, b->fuelFlow) && SameBits(a->lbsPerNm, b->lbsPerNm) &&
           a->regime == b->regime && a->supersonic == b->supersonic));
}

// The same best points bit for bit, bands, counts and first failure.
inline bool SameScan(const RowScan& a, const RowScan& b) {
  const auto band = [](const std::optional<SpeedBand>& x) {
    return x ? std::pair(x->minCas, x->maxCas) : std::pair(-1.0, -1.0);
  };
  return SamePoint(a.bestRange, b.bestRange) && SamePoint(a.bestEndurance, b.bestEndurance) &&
         band(a.military) == band(b.military) && band(a.afterburner) == band(b.afterburner) &&
         a.pointsScanned == b.pointsScanned && a.pointsFailed == b.pointsFailed &&
         a.firstFailure == b.firstFailure;
}

inline constexpr double kLiftPerDegree = 0.1;
inline constexpr double kZeroLiftDrag = 0.02;  // CD0 of the polar
inline constexpr double kInducedDrag = 0.125;  // k of the polar: CD = CD0 + k CL^2
inline constexpr double kAreaSqFt = 300;       // the check aircraft's wing

// The polar's lift coefficients of least drag (best endurance) and of least drag per speed
// (best range at 0 ft, where the true airspeed is the calibrated one times a constant).
inline double EnduranceLiftCoefficient() {
  return std::sqrt(kZeroLiftDrag / kInducedDrag);
}
inline double RangeLiftCoefficient() {
  return std::sqrt(kZeroLiftDrag / (3 * kInducedDrag));
}

// The calibrated airspeed (kt) at which level flight needs this lift coefficient: the lift
// equation with the density at altitude, as the flight model forms it.
inline double CasForLiftCoefficient(double liftCoefficient, double weight, float altitude) {
  const double speedFps =
      std::sqrt(2 * weight / (ComputeAirDensity(altitude) * kAreaSqFt * liftCoefficient));
  return speedFps / 1.687836;
}

// The check aircraft with lift kLiftPerDegree x alpha and the drag coefficient drag(CL) at
// every alpha breakpoint and Mach; Military thrust far above any drag (1e6 lb) and a fuel-flow
// factor of 1000, so the whole-number cut of the fuel flow moves no best speed.
// The same Military and afterburner thrust at every altitude row and Mach column.
inline void SetFlatThrust(AircraftRecord& a, double military, double afterburner) {
  for (int row = 1; row <= 3; ++row) {
    for (int col = 1; col <= 2; ++col) {
      a.MilitaryThrustTable[row][col] = FieldValue::Number(military);
      a.AfterburnerThrustTable[row][col] = FieldValue::Number(afterburner);
    }
  }
}

template <typename Drag>
AircraftRecord LinearLiftAircraft(const Drag& drag) {
  AircraftRecord a = CheckAircraft();
  // The breakpoints hold both optimum lift coefficients of the polar, 0.4 and 0.4 / sqrt(3).
  const std::vector<double> alphas = {-4, 0,  1,  2, 10 * RangeLiftCoefficient(), 3, 4, 5, 6,
                                      8,  10, 14, 20};
  a.AlphaCount = FieldValue::Number(static_cast<double>(alphas.size()));
  for (size_t j = 0; j < alphas.size(); ++j) {
    const double cl = kLiftPerDegree * alphas[j];
    a.AlphaBreakpoints[j + 1] = FieldValue::Number(alphas[j]);
    for (int row = 1; row <= 2; ++row) {
      a.LiftTable[row][j + 1] = FieldValue::Number(cl);
      a.DragTable[row][j + 1] = FieldValue::Number(drag(cl));
    }
  }
  SetFlatThrust(a, 1e6, 2e6);
  a.FuelFlowFactorNormal = 1000;
  a.FuelFlowFactorAb = 2000;
  return a;
}

inline AircraftRecord PolarAircraft() {
  return LinearLiftAircraft([](double cl) { return kZeroLiftDrag + kInducedDrag * cl * cl; });
}

inline constexpr double kConstantDragCoefficient = 0.03;
inline AircraftRecord ConstantDragAircraft() {
  AircraftRecord a = LinearLiftAircraft([](double) { return kConstantDragCoefficient; });
  a.FuelFlowFactorNormal = 1;
  return a;
}

// The polar whose drag table holds text between Mach 0.42 and 0.46 (at 0 ft, between the knots
// floor(0.42 x 661.4786) and ceil(0.46 x 661.4786)): its best range, 292 kt, falls in that band.
inline AircraftRecord UnreadableMachBandAircraft() {
  AircraftRecord a = PolarAircraft();
  const std::vector<double> machs = {0, 0.42, 0.44, 0.46, 2};
  a.AerodynamicMachCount = FieldValue::Number(static_cast<double>(machs.size()));
  for (size_t i = 0; i < machs.size(); ++i) {
    a.AerodynamicMachBreakpoints[i + 1] = FieldValue::Number(machs[i]);
    a.LiftTable[i + 1] = a.LiftTable[1];
    a.DragTable[i + 1] = a.DragTable[1];
  }
  a.DragTable[3][1] = FieldValue::Text("x");
  return a;
}

// A computation as "Compute Table" leaves it, over the given axes, without its cells: the
// analyses read the inputs alone. The zero fuel weight is the check aircraft's.
inline TableComputation MakeComputation(const AircraftRecord& aircraft, double weight,
                                        const std::vector<double>& speeds,
                                        const std::vector<float>& altitudes,
                                        const StoreCounts& counts = {}) {
  TableComputation c;
  c.aircraft = std::make_shared<const AircraftRecord>(aircraft);
  c.weight = weight;
  c.counts = counts;
  c.zeroFuelWeightText = "19000";
  c.compWeightText = FormatGeneral(weight);
  for (size_t i = 0; i < counts.size(); ++i)
    c.countTexts[i] = FormatGeneral(counts[i]);
  for (double speed : speeds) {
    c.speedHeaders.push_back(SpeedHeaderText(speed));
    c.speeds.push_back(speed);
    c.speedFailures.push_back(CellFailure::None);
  }
  for (float altitude : altitudes) {
    c.altitudeHeaders.push_back(AltitudeHeaderText(altitude));
    c.altitudes.push_back(altitude);
    c.altitudeFailures.push_back(CellFailure::None);
  }
  return c;
}

// The same with its cells evaluated from its own inputs.
inline TableComputation WithCells(TableComputation c) {
  c.cells.clear();
  for (int col = 1; col <= c.SpeedCount(); ++col) {
    for (int row = 1; row <= c.AltitudeCount(); ++row)
      c.cells.push_back(ReevaluateCell(c, row, col));
  }
  return c;
}

}  // namespace tz9::test
