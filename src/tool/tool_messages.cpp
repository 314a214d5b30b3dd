// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table's wording: every refusal sentence the tool prints is written here, naming the
// command-line options and their positions where the window would name its fields.
#include "tool/tool_messages.h"

#include "common/number_text.h"

namespace tz9 {
namespace {

constexpr RangeField kRangePositions[] = {RangeField::Min, RangeField::Step1, RangeField::Step,
                                          RangeField::Step2, RangeField::Max};

}  // namespace

std::string StorePositionList() {
  std::string list;
  for (std::string_view name : kStorePositionNames)
    list += (list.empty() ? "" : ",") + std::string(name);
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
  for (RangeField field : kRangePositions)
    list += (list.empty() ? "" : ",") + std::string(RangePositionName(field));
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

}  // namespace tz9
