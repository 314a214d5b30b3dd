// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table --explain: one cell evaluated as "Compute Table" evaluates a cell under the
// given header values, and every quantity of it printed as a "name: value" line.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

// One quantity of the explanation: a number (a single-precision value as the double that
// holds it), yes or no, or words; nothing when the evaluation did not reach it.
struct ExplainLine {
  std::string_view name;  // "cas_kt", "regime", "reason" ...
  std::variant<std::monostate, double, bool, std::string> value;

  bool Reached() const { return !std::holds_alternative<std::monostate>(value); }
};

// Every quantity in the fixed order of the lines, reached or not.
std::vector<ExplainLine> ExplanationLines(const CellDetails& details);

// One line per quantity reached, in that order; a quantity not reached has no line. Numbers in
// the shortest form that reads back as the same double, yes or no, words as they are.
void PrintExplanation(const CellDetails& details, std::ostream& out);

}  // namespace tz9
