// SPDX-License-Identifier: GPL-3.0-or-later
// The --explain lines: their names, their order and the forms of their values.

#include "tool/explain_output.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <variant>

#include "tables/result_grid.h"

namespace tz9 {
namespace {

// The shortest text that reads back as the same double.
std::string RoundTrip(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.begin(), buffer.end(), value);
  return std::string(buffer.data(), result.ptr);
}

using LineValue = std::variant<std::monostate, double, bool, std::string>;

LineValue Number(const std::optional<double>& value) {
  if (!value) return {};
  return *value;
}

LineValue Number(const std::optional<float>& value) {
  if (!value) return {};
  return static_cast<double>(*value);
}

std::string_view RegimeName(CellOutcome outcome) {
  switch (outcome) {
    case CellOutcome::Military:
      return "military";
    case CellOutcome::Afterburner:
      return "afterburner";
    case CellOutcome::NoSteadyFlight:
      return "none";
    case CellOutcome::Failed:
      break;
  }
  return "failed";
}

LineValue YesNo(const std::optional<bool>& value) {
  if (!value) return {};
  return *value;
}

// A line's value as printed.
struct LineText {
  std::string operator()(std::monostate) const { return {}; }
  std::string operator()(double value) const { return RoundTrip(value); }
  std::string operator()(bool value) const { return value ? "yes" : "no"; }
  std::string operator()(const std::string& words) const { return words; }
};

}  // namespace

ExplainedPoint ExplainPoint(const AircraftRecord& aircraft, const SweepInputs& inputs,
                            std::string_view casText, std::string_view altitudeText) {
  ResultGrid msfg1;
  ResultGrid msfg2;
  for (ResultGrid* grid : {&msfg1, &msfg2}) {
    grid->SetRows(2);
    grid->SetCols(2);
  }
  msfg1.SetRow(0);
  msfg1.SetCol(1);
  msfg1.SetText(casText);
  msfg1.SetRow(1);
  msfg1.SetCol(0);
  msfg1.SetText(std::string(altitudeText) + " ft");
  const SweepOutcome sweep = ComputeTable(aircraft, inputs, msfg1, msfg2);
  if (!sweep.Started()) return {sweep.refusal, {}};
  return {SweepRefusal::None, DetailComputationCell(*sweep.computation, 1, 1)};
}

std::vector<ExplainLine> ExplanationLines(const CellDetails& d) {
  return {
      {"cas_kt", Number(d.cas)},
      {"altitude_ft", Number(d.altitude)},
      {"weight_lb", d.weight},
      {"density_slug_ft3", Number(d.density)},
      {"temperature_k", Number(d.temperatureK)},
      {"speed_of_sound_kt", Number(d.speedOfSound)},
      {"static_pressure_lb_ft2", Number(d.staticPressure)},
      {"impact_pressure_lb_ft2", Number(d.impactPressure)},
      {"mach", Number(d.mach)},
      {"tas_kt", Number(d.tas)},
      {"speed_fps", Number(d.speedFps)},
      {"dynamic_pressure_lb_ft2", Number(d.dynamicPressure)},
      {"lift_coefficient", Number(d.liftCoefficient)},
      {"angle_of_attack_deg", Number(d.angleOfAttack)},
      {"drag_coefficient", Number(d.dragCoefficient)},
      {"store_drag_factor", Number(d.storeDragFactor)},
      {"aero_drag_lbf", Number(d.aeroDrag)},
      {"stores_drag_lbf", Number(d.storesDrag)},
      {"total_drag_lbf", Number(d.totalDrag)},
      {"military_thrust_lbf", Number(d.militaryThrust)},
      {"afterburner_thrust_lbf", Number(d.afterburnerThrust)},
      {"regime", std::string(RegimeName(d.outcome))},
      {"supersonic", YesNo(d.supersonic)},
      {"fuel_flow_lb_h", Number(d.fuelFlow)},
      {"lbs_per_nm", Number(d.lbsPerNm)},
      {"reason", CellReason(d)},
  };
}

void PrintExplanation(const CellDetails& d, std::ostream& out) {
  for (const ExplainLine& line : ExplanationLines(d)) {
    if (line.Reached()) out << line.name << ": " << std::visit(LineText{}, line.value) << '\n';
  }
}

}  // namespace tz9
