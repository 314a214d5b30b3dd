// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/module_aircraft.h"

#include "aircraft/aircraft_reader.h"
#include "performance/sweep.h"
#include "tool/csv_fields.h"
#include "tool/explain_output.h"
#include "tool/table_tool.h"
#include "tool/tool_aircraft.h"
#include "tool/tool_messages.h"

namespace tz9 {
namespace {

SweepInputs InputsOf(const std::string& zeroFuelWeight, const std::string& weight,
                     const ToolOptions& options) {
  return {zeroFuelWeight, weight, ViewsOf(options.storeCounts), DisplayMode::LbsPerNm};
}

}  // namespace

TableHeaders TableHeadersFor(const ToolOptions& options, const GivenAxes& given) {
  const bool anyAxis =
      options.speedRange || options.altitudeRange || given.speeds || given.altitudes;
  TableHeaders headers =
      anyAxis ? CreateTableHeaders(ToolRangeTexts(options)) : StartupTableHeaders();
  if (headers.refusal) return headers;
  if (given.speeds) {
    headers.speeds.clear();
    for (double speed : *given.speeds)
      headers.speeds.push_back(CsvNumber(speed));
  }
  if (given.altitudes) {
    headers.altitudes.clear();
    for (double altitude : *given.altitudes)
      headers.altitudes.push_back(CsvNumber(altitude) + " ft");
  }
  return headers;
}

ModuleAircraft::ModuleAircraft(const std::string& path)
    : record_(std::make_shared<AircraftRecord>()) {
  CapturedDisplay display;
  const LoadOutcome load = LoadToolAircraft(path, *record_, display);
  if (!load.completed) throw LoadError(ToolLoadFailureText(path, load));
  name_ = display.aircraftName;
  zeroFuelWeight_ = display.zeroFuelWeight;
  maxInternalFuel_ = display.maxInternalFuel;
}

LoadoutTexts ModuleAircraft::Loadout(const StoreCountStrings& counts) const {
  return ComputeLoadout(ViewsOf(counts), zeroFuelWeight_, maxInternalFuel_);
}

std::string ModuleAircraft::ComputingWeight(const ToolOptions& options) const {
  const LoadoutTexts loadout = Loadout(options.storeCounts);
  const std::string weight = options.weightLb.value_or(loadout.CompWeight);
  if (weight == kOverflowText) {
    // Only the proposed weight can be this word: a given one passed the numeric test.
    throw ArgumentError(std::string(ToolLoadoutOverflowText(FindLoadoutOverflow(loadout))));
  }
  return weight;
}

CellDetails ModuleAircraft::Explain(const ToolOptions& options) const {
  const std::string weight = ComputingWeight(options);
  const auto& point = *options.explainPoint;
  const ExplainedPoint explained =
      ExplainPoint(*record_, InputsOf(zeroFuelWeight_, weight, options), point[0], point[1]);
  if (explained.refusal != SweepRefusal::None) {
    throw ArgumentError(std::string(ToolSweepRefusalText(explained.refusal)));
  }
  return explained.details;
}

std::shared_ptr<const TableComputation> ModuleAircraft::StartTable(
    const ToolOptions& options, const TableHeaders& headers) const {
  const std::string weight = ComputingWeight(options);
  if (headers.refusal) throw ArgumentError(ToolLayoutRefusalText(*headers.refusal));
  const ComputationStart start = StartTableComputation(
      *record_, InputsOf(zeroFuelWeight_, weight, options), headers.speeds, headers.altitudes);
  if (start.refusal != SweepRefusal::None) {
    throw ArgumentError(std::string(ToolSweepRefusalText(start.refusal)));
  }
  return start.computation;
}

}  // namespace tz9
