// SPDX-License-Identifier: GPL-3.0-or-later
// The details of one cell: every quantity its evaluation went through, each one present only
// when the evaluation reached it, and the sentence that says why the cell shows what it shows.
// The window's tooltips and panel and the command-line tool's --explain all read them here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "aircraft/aircraft_record.h"
#include "performance/cell_failure.h"
#include "performance/level_flight.h"
#include "performance/table_computation.h"
#include "tables/display_mode.h"

namespace tz9 {

// What a cell shows: a fuel flow with Military power or with the afterburner, "------" for no
// steady flight, or "------" because it could not be computed.
enum class CellOutcome : std::uint8_t { Military, Afterburner, NoSteadyFlight, Failed };

// A quantity that is absent (std::nullopt) was not reached: the evaluation stopped before it,
// or the value it got was not a number. Nothing stands in for it as 0.
struct CellDetails {
  // Inputs. The speed and altitude are absent when their header could not be read.
  std::optional<double> cas;      // kt, as read from the column header
  std::optional<float> altitude;  // ft, the single-precision value every formula starts from
  double weight = 0;              // lb
  StoreCounts counts{};           // StoreTable order

  // Atmosphere at the cell, as the evaluation forms it.
  std::optional<double> density;          // slug/ft^3
  std::optional<double> temperatureK;     // K
  std::optional<double> speedOfSound;     // kt
  std::optional<double> staticPressure;   // lb/ft^2
  std::optional<double> impactPressure;   // lb/ft^2
  std::optional<double> mach;             // -
  std::optional<double> tas;              // kt
  std::optional<double> speedFps;         // ft/s, the calibrated airspeed
  std::optional<double> dynamicPressure;  // lb/ft^2

  // Aerodynamics.
  std::optional<double> liftCoefficient;  // needed for level flight
  std::optional<double> angleOfAttack;    // deg
  std::optional<double> dragCoefficient;
  std::optional<float> storeDragFactor;

  // Forces, lbf. The thrust available is the table's value times ThrustMultiplier, the figure
  // the drag is compared with; the excess is that thrust less the total drag.
  std::optional<double> aeroDrag;
  std::optional<double> storesDrag;
  std::optional<double> totalDrag;
  std::optional<double> militaryThrust;
  std::optional<double> afterburnerThrust;
  std::optional<double> militaryExcess;
  std::optional<double> afterburnerExcess;

  // Result.
  CellOutcome outcome = CellOutcome::Failed;
  std::optional<bool> supersonic;  // Mach 1 or more
  std::optional<double> fuelFlow;  // lb/h, only with steady flight
  std::optional<double> lbsPerNm;  // fuel flow / TAS before any cut of its text
  CellFailure failure = CellFailure::None;
  SteadyFlightLimit limit = SteadyFlightLimit::None;
  // The edge of the table that ended a cell without steady flight: the last breakpoint of the
  // axis that ran out, or the highest value of the lift curve; absent when the table has no
  // entries there, or for the drag limit, whose edge is the afterburner thrust.
  std::optional<double> limitEdge;
};

// One point of an aircraft, evaluated as a cell with these header values would be, for the
// second grid's mode (whose number can fail a cell on its own).
CellDetails DetailPoint(const AircraftRecord& aircraft, double weight, const StoreCounts& counts,
                        double cas, float altitude, DisplayMode mode);

// The cell under grid row `row` and column `col` (both from 1) of a computation, from its own
// inputs: the same evaluation the sweep made.
CellDetails DetailComputationCell(const TableComputation& computation, int row, int col);

// Why the cell shows what it shows, in one sentence with its numbers: the drag against the
// thrust that holds it, the place that decided there is no steady flight, or the cause of a cell
// that could not be computed.
std::string CellReason(const CellDetails& details);

}  // namespace tz9
