// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/module_aircraft.h"

#include <array>
#include <charconv>

#include "aircraft/aircraft_reader.h"
#include "performance/sweep.h"
#include "tool/explain_output.h"
#include "tool/tool_messages.h"

namespace tz9 {
namespace {

// Keeps the three texts the reader shows, as the window's fields would.
class CapturedDisplay final : public AircraftDisplay {
 public:
  void ShowAircraftName(const std::string& name) override { aircraftName = name; }
  void ShowZeroFuelWeight(const std::string& text) override { zeroFuelWeight = text; }
  void ShowMaxInternalFuel(const std::string& text) override { maxInternalFuel = text; }

  std::string aircraftName;
  std::string zeroFuelWeight;
  std::string maxInternalFuel;
};

// The shortest text that reads back as the same double: a header that is the value itself.
std::string ExactText(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.begin(), buffer.end(), value);
  return std::string(buffer.data(), result.ptr);
}

RangeTexts RangesOf(const ToolOptions& options) {
  RangeTexts ranges = DefaultRangeTexts();
  if (const auto& s = options.speedRange) {
    ranges.speedMin = (*s)[0];
    ranges.speedStep1 = (*s)[1];
    ranges.speedStep = (*s)[2];
    ranges.speedStep2 = (*s)[3];
    ranges.speedMax = (*s)[4];
  }
  if (const auto& a = options.altitudeRange) {
    ranges.altitudeMin = (*a)[0];
    ranges.altitudeStep1 = (*a)[1];
    ranges.altitudeStep = (*a)[2];
    ranges.altitudeStep2 = (*a)[3];
    ranges.altitudeMax = (*a)[4];
  }
  return ranges;
}

// The path after its last slash or backslash, as the window names a file.
std::string FileNameOf(const std::string& path) {
  const std::string::size_type separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

SweepInputs InputsOf(const std::string& zeroFuelWeight, const std::string& weight,
                     const ToolOptions& options) {
  return {zeroFuelWeight, weight, ViewsOf(options.storeCounts), DisplayMode::LbsPerNm};
}

}  // namespace

TableHeaders TableHeadersFor(const ToolOptions& options, const GivenAxes& given) {
  const bool anyAxis =
      options.speedRange || options.altitudeRange || given.speeds || given.altitudes;
  TableHeaders headers = anyAxis ? CreateTableHeaders(RangesOf(options)) : StartupTableHeaders();
  if (headers.refusal) return headers;
  if (given.speeds) {
    headers.speeds.clear();
    for (double speed : *given.speeds)
      headers.speeds.push_back(ExactText(speed));
  }
  if (given.altitudes) {
    headers.altitudes.clear();
    for (double altitude : *given.altitudes)
      headers.altitudes.push_back(ExactText(altitude) + " ft");
  }
  return headers;
}

ModuleAircraft::ModuleAircraft(const std::string& path)
    : record_(std::make_shared<AircraftRecord>()) {
  ResetAircraftRecord(*record_);
  record_->AircraftFilePath = path;
  record_->AircraftFileName = FileNameOf(path);
  CapturedDisplay display;
  const LoadOutcome load = LoadAircraftFile(path, *record_, display);
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
