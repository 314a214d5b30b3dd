// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table's wording: every refusal sentence the tool prints is written here, naming the
// command-line options and their positions where the window would name its fields.
#include "tool/tool_messages.h"

#include <cctype>
#include <cmath>
#include <system_error>

#include "common/number_text.h"

namespace tz9 {
namespace {

constexpr RangeField kRangePositions[] = {RangeField::Min, RangeField::Step1, RangeField::Step,
                                          RangeField::Step2, RangeField::Max};

// Why the file at the path was not read; the path itself is named before it.
std::string_view OpenFailureText(FileOpenFailure failure) {
  switch (failure) {
    case FileOpenFailure::NoSuchFile:
      return "cannot open the file (no such file)";
    case FileOpenFailure::Folder:
      return "the path is a folder";
    case FileOpenFailure::NotRegularFile:
      return "the path is not a regular file";
    case FileOpenFailure::TooLarge:
      static_assert(kMaxAircraftFileBytes == 256LL * 1024 * 1024, "the text names the limit");
      return "the file is larger than 256 MiB";
    case FileOpenFailure::NoPermission:
      return "cannot open the file (no permission to read it)";
    case FileOpenFailure::ReadError:
      return "cannot read the file (read error)";
    case FileOpenFailure::None:
      break;
  }
  return {};
}

}  // namespace

std::string StorePositionList() {
  std::string list;
  for (std::string_view name : kStorePositionNames) {
    if (!list.empty()) list += ',';
    list += name;
  }
  return list;
}

std::string_view AxisOptionName(TableAxis axis) {
  switch (axis) {
    case TableAxis::Speed:
      return "--speed";
    case TableAxis::Altitude:
      return "--altitude";
  }
  return {};
}

std::string_view RangePositionName(RangeField field) {
  switch (field) {
    case RangeField::Min:
      return "MIN";
    case RangeField::Step1:
      return "STEP1";
    case RangeField::Step:
      return "SWITCH";
    case RangeField::Step2:
      return "STEP2";
    case RangeField::Max:
      return "MAX";
  }
  return {};
}

std::string RangePositionList() {
  std::string list;
  for (RangeField field : kRangePositions) {
    if (!list.empty()) list += ',';
    list += RangePositionName(field);
  }
  return list;
}

// The option is named once, with the first position a sentence names; the other positions of
// the sentence belong to the same option.
std::string ToolLayoutRefusalText(const LayoutRefusal& r) {
  const std::string option(AxisOptionName(r.axis));
  const std::string field(RangePositionName(r.field));
  const std::string from(RangePositionName(r.from));
  const std::string to(RangePositionName(r.to));
  switch (r.kind) {
    case LayoutRefusalKind::NotFinite:
      return option + " " + field + " is not a finite number.";
    case LayoutRefusalKind::StepZero:
      return option + " " + field + " is 0: the axis cannot step from " + from + " to " + to + ".";
    case LayoutRefusalKind::SpanTooLarge:
      return "The span from " + option + " " + from + " to " + to +
             " is too large to step through.";
    case LayoutRefusalKind::StepPointsAway:
      return option + " " + field + " points away from " + to + ": it must be " +
             (r.mustBePositive ? "positive" : "negative") + " to go from " + from + " to " + to +
             ".";
    case LayoutRefusalKind::TooManyValues:
      return "The " + option + " axis would have more than " + std::to_string(kMaxAxisValues) +
             " values: choose larger steps.";
    case LayoutRefusalKind::Indistinct:
      return option + " " + field +
             " is too small: neighbouring values of the axis would read the same in 15 digits.";
    case LayoutRefusalKind::SpeedMaxOutOfRange:
      return option + " " + field + " rounds to " + FormatGeneral(r.number) +
             ", outside -32768 .. 32767.";
    case LayoutRefusalKind::TooManyCells:
      return "The table would have " + std::to_string(r.cells) + " data cells, more than " +
             std::to_string(kMaxTableCells) + ": choose larger steps.";
  }
  return {};
}

std::string_view ToolLoadoutOverflowText(LoadoutOverflow cause) {
  switch (cause) {
    case LoadoutOverflow::StoreCounts:
      return "The store counts give a weight beyond the range of numbers: give --weight or "
             "smaller counts.";
    case LoadoutOverflow::InternalFuel:
      return "The aircraft file's internal fuel and the tanks' fuel add up beyond the range of "
             "numbers: give --weight or check the file.";
    case LoadoutOverflow::Weight:
      return "The zero fuel weight, stores and fuel on board add up beyond the range of numbers: "
             "give --weight or check the file.";
    case LoadoutOverflow::None:
      break;
  }
  return {};
}

std::string_view ToolSweepRefusalText(SweepRefusal refusal) {
  switch (refusal) {
    case SweepRefusal::NoAircraft:
      return "The aircraft file gives no zero fuel weight: there is nothing to compute.";
    case SweepRefusal::WeightNotNumber:
      return "The computing weight is not a number.";
    case SweepRefusal::WeightBelowZfw:
      return "The computing weight is below the zero fuel weight.";
    case SweepRefusal::GridsDiffer:  // the tool lays both grids out alike
    case SweepRefusal::None:
      break;
  }
  return "The table could not be computed.";
}

std::string_view ToolSummaryRefusalText(SummaryStatus status) {
  switch (status) {
    case SummaryStatus::Done:
      return {};
    case SummaryStatus::Cancelled:
      return "The summary was stopped before its end.";
    case SummaryStatus::SpeedRangeTooWide:
      return "The speed headers span more than 65536 whole knots: no summary.";
  }
  return {};
}

std::string_view ToolMissionRefusalText(MissionStatus status) {
  switch (status) {
    case MissionStatus::Done:
      return {};
    case MissionStatus::Cancelled:
      return "The mission fuel was stopped before its end.";
    case MissionStatus::StoresWeightBeyondRange:
      return "The store counts give a stores weight beyond the range of numbers: no mission "
             "fuel.";
    case MissionStatus::SpeedRangeTooWide:
      return "The speed headers span more than 65536 whole knots: no mission fuel.";
  }
  return {};
}

std::string_view ToolClimbTurnRefusalText(ClimbTurnStatus status) {
  switch (status) {
    case ClimbTurnStatus::Done:
      return {};
    case ClimbTurnStatus::Cancelled:
      return "The climb and turn scan was stopped before its end.";
    case ClimbTurnStatus::WeightNotPositive:
      return "The computing weight is not above 0: no climb or turn.";
    case ClimbTurnStatus::GLimitOutOfRange:
      return "The g limit is not within 1 to 15: no climb or turn.";
    case ClimbTurnStatus::SpeedRangeTooWide:
      return "The speed headers span more than 65536 whole knots: no climb or turn.";
  }
  return {};
}

std::vector<std::string> ToolMissionFindingTexts(const MissionReport& report,
                                                 const MissionInputs& inputs) {
  const MissionInputFindings findings = FindMissionInputFindings(report);
  const auto ofAltitudes = [&findings](int rows) {
    return std::to_string(rows) + " of " + std::to_string(findings.rows) + " altitudes";
  };
  const MissionWeights& w = report.weights;
  std::vector<std::string> lines;
  if (findings.reserveNotBelowFuel) {
    lines.push_back(w.FuelOnBoardLb() > 0
                        ? "--reserve " + FormatGeneral(inputs.reserveLb) + " lb is not below the " +
                              FormatGeneral(w.FuelOnBoardLb()) +
                              " lb of fuel on board: nothing is flown."
                        : "--mission: no fuel on board: the weight " + FormatGeneral(w.startLb) +
                              " lb is not above the empty weight " + FormatGeneral(w.emptyLb) +
                              " lb (zero fuel and stores).");
  }
  if (findings.cruiseNeverSteadyRows > 0) {
    lines.push_back("--cruise-cas " + FormatGeneral(inputs.cruiseCasKnots.value_or(0)) +
                    " kt holds no steady flight at any weight of the burn at " +
                    ofAltitudes(findings.cruiseNeverSteadyRows) + ".");
  }
  if (findings.bingoBeyondFuelRows > 0) {
    lines.push_back("--bingo-distance " + FormatGeneral(inputs.bingoDistanceNm.value_or(0)) +
                    " NM is beyond the fuel on board at " +
                    ofAltitudes(findings.bingoBeyondFuelRows) + ": the fuel reaches " +
                    std::to_string(std::lround(findings.mostCoveredNm.value_or(0))) +
                    " NM at most.");
  }
  return lines;
}

// A file not read is worded from why (the core's cause would name the path a second time); a
// stopped walk keeps the reader's message, line and cause, as the rest of the sentence.
std::string ToolLoadFailureText(std::string_view path, const LoadOutcome& load) {
  const std::string named = std::string(path) + ": ";
  if (load.openFailure != FileOpenFailure::None) {
    return named + "load stopped: " + std::string(OpenFailureText(load.openFailure));
  }
  std::string message = load.Message();
  if (!message.empty()) {
    message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
  }
  return named + message;
}

std::string ToolStandardOutputFailureText(int systemError) {
  return "cannot write the standard output: " +
         (systemError == 0 ? "the write failed"
                           : std::error_code(systemError, std::generic_category()).message());
}

std::string ToolBaselineLoadFailureText(std::string_view path, const LoadOutcome& load) {
  return "baseline " + ToolLoadFailureText(path, load);
}

std::string ToolBaselineText(std::string_view message) {
  return "baseline: " + std::string(message);
}

std::string_view ToolComparisonRefusalText(ComparisonStatus status) {
  switch (status) {
    case ComparisonStatus::Done:
      return {};
    case ComparisonStatus::Cancelled:
      return "The comparison was stopped before its end.";
    case ComparisonStatus::NoCommonAltitude:
      return "The table and its baseline have no altitude in common: no comparison.";
    case ComparisonStatus::NoCommonSpeed:
      return "The table and its baseline have no speed in common: no comparison.";
    case ComparisonStatus::SpeedRangeTooWide:
      return "The speed headers span more than 65536 whole knots: no comparison.";
  }
  return {};
}

}  // namespace tz9
