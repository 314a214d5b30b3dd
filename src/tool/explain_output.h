// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table --explain: one cell evaluated as "Compute Table" evaluates a cell under the
// given header values, and every quantity of it printed as a "name: value" line.
#pragma once

#include <ostream>
#include <string_view>

#include "aircraft/aircraft_record.h"
#include "performance/cell_details.h"
#include "performance/sweep.h"

namespace tz9 {

// The cell's details, or the refusal of the sweep's guard on the weights.
struct ExplainedPoint {
  SweepRefusal refusal = SweepRefusal::None;
  CellDetails details;
};

// Computes a table of one cell whose headers read casText (kt) and altitudeText (ft), so the
// speed, the single-precision altitude and the guard are exactly those of a cell in the window.
ExplainedPoint ExplainPoint(const AircraftRecord& aircraft, const SweepInputs& inputs,
                            std::string_view casText, std::string_view altitudeText);

// One line per quantity reached, in a fixed order; a quantity not reached has no line. Numbers
// in the shortest form that reads back as the same double; single-precision values as the
// double that holds them.
void PrintExplanation(const CellDetails& details, std::ostream& out);

}  // namespace tz9
