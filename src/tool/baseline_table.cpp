// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/baseline_table.h"

#include <string>

#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "tool/tool_aircraft.h"
#include "tool/tool_messages.h"

namespace tz9 {

std::shared_ptr<const TableComputation> ComputeBaseline(const ToolOptions& options,
                                                        const TableSources& table,
                                                        std::ostream& err) {
  // The baseline's own file, when given, in a record of its own.
  std::unique_ptr<AircraftRecord> ownAircraft;
  CapturedDisplay display;
  if (options.baselinePath) {
    ownAircraft = std::make_unique<AircraftRecord>();
    const LoadOutcome load = LoadToolAircraft(*options.baselinePath, *ownAircraft, display);
    if (!load.completed) {
      err << ToolBaselineLoadFailureText(*options.baselinePath, load) << '\n';
      return nullptr;
    }
  }
  const AircraftRecord& aircraft = ownAircraft ? *ownAircraft : table.aircraft;
  const std::string_view zeroFuelWeight =
      ownAircraft ? display.zeroFuelWeight : table.zeroFuelWeight;
  const std::string_view maxInternalFuel =
      ownAircraft ? display.maxInternalFuel : table.maxInternalFuel;

  StoreCountStrings counts = options.storeCounts;
  for (size_t kind = 0; kind < kStoreKinds; ++kind) {
    if (const auto& count = options.baselineStoreCounts[kind]) counts[kind] = *count;
  }
  const StoreCountTexts countTexts = ViewsOf(counts);
  const LoadoutTexts loadout = ComputeLoadout(countTexts, zeroFuelWeight, maxInternalFuel);
  const std::string weight =
      options.baselineWeightLb.value_or(options.weightLb.value_or(loadout.CompWeight));
  if (weight == kOverflowText) {
    err << ToolBaselineText(ToolLoadoutOverflowText(FindLoadoutOverflow(loadout))) << '\n';
    return nullptr;
  }

  ResultGrid msfg1 = table.msfg1;
  ResultGrid msfg2 = table.msfg2;
  const SweepInputs inputs{zeroFuelWeight, weight, countTexts, options.mode};
  const SweepOutcome sweep = ComputeTable(aircraft, inputs, msfg1, msfg2);
  if (!sweep.Started()) {
    err << ToolBaselineText(ToolSweepRefusalText(sweep.refusal)) << '\n';
    return nullptr;
  }
  if (sweep.totals.cellsFailed > 0) err << ToolBaselineText(sweep.totals.Summary()) << '\n';
  return sweep.computation;
}

}  // namespace tz9
