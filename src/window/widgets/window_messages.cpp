// SPDX-License-Identifier: GPL-3.0-or-later
// The window's wording of layout refusals: every sentence and every field name the status line
// shows for a refused "Create Table" is written here.
#include "widgets/window_messages.h"

#include <string_view>

#include "common/number_text.h"

namespace tz9 {
namespace {

// The range fields as their labels call them.
std::string_view FieldName(TableAxis axis, RangeField field) {
  const bool speed = axis == TableAxis::Speed;
  switch (field) {
    case RangeField::Min:
      return speed ? "Min Speed" : "Min Altitude";
    case RangeField::Step1:
      return speed ? "Speed Step1" : "Altitude Step1";
    case RangeField::Step:
      return speed ? "Step Speed" : "Step Altitude";
    case RangeField::Step2:
      return speed ? "Speed Step2" : "Altitude Step2";
    case RangeField::Max:
      return speed ? "Max Speed" : "Max Altitude";
  }
  return {};
}

std::string_view AxisName(TableAxis axis) {
  switch (axis) {
    case TableAxis::Speed:
      return "speed axis";
    case TableAxis::Altitude:
      return "altitude axis";
  }
  return {};
}

}  // namespace

std::string LayoutRefusalText(const LayoutRefusal& r) {
  const std::string field(FieldName(r.axis, r.field));
  const std::string from(FieldName(r.axis, r.from));
  const std::string to(FieldName(r.axis, r.to));
  const std::string axis(AxisName(r.axis));
  switch (r.kind) {
    case LayoutRefusalKind::NotFinite:
      return field + " is not a finite number.";
    case LayoutRefusalKind::StepZero:
      return field + " is 0: the axis cannot step from " + from + " to " + to + ".";
    case LayoutRefusalKind::SpanTooLarge:
      return "The span from " + from + " to " + to + " is too large to step through.";
    case LayoutRefusalKind::StepPointsAway:
      return field + " points away from " + to + ": it must be " +
             (r.mustBePositive ? "positive" : "negative") + " to go from " + from + " to " + to +
             ".";
    case LayoutRefusalKind::TooManyValues:
      return "The " + axis + " would have more than " + std::to_string(kMaxAxisValues) +
             " values: choose larger steps.";
    case LayoutRefusalKind::Indistinct:
      return field + " is too small: neighbouring values of the " + axis +
             " would read the same in 15 digits.";
    case LayoutRefusalKind::SpeedMaxOutOfRange:
      return field + " rounds to " + FormatGeneral(r.number) + ", outside -32768 .. 32767.";
    case LayoutRefusalKind::TooManyCells:
      return "The table would have " + std::to_string(r.cells) + " data cells, more than " +
             std::to_string(kMaxTableCells) + ": choose larger steps.";
  }
  return {};
}

std::string SweepRefusalText(SweepRefusal refusal) {
  switch (refusal) {
    case SweepRefusal::NoAircraft:
      return "Compute Table needs an aircraft: load a file first.";
    case SweepRefusal::WeightNotNumber:
      return "The computing weight is not a number.";
    case SweepRefusal::WeightBelowZfw:
      return "The computing weight is below the zero fuel weight: press Compute Weight to propose "
             "one.";
    case SweepRefusal::GridsDiffer:
      return "The two grids differ in size: press Create Table first.";
    case SweepRefusal::None:
      break;
  }
  return {};
}

std::string WeightOverflowText(LoadoutOverflow cause) {
  switch (cause) {
    case LoadoutOverflow::StoreCounts:
      return "The computing weight is not a number: the store counts give a weight beyond the "
             "range of numbers.";
    case LoadoutOverflow::InternalFuel:
      return "The computing weight is not a number: the file's internal fuel and the tanks' fuel "
             "add up beyond the range of numbers.";
    case LoadoutOverflow::Weight:
      return "The computing weight is not a number: the zero fuel weight, stores and fuel on "
             "board add up beyond the range of numbers.";
    case LoadoutOverflow::None:
      break;
  }
  return SweepRefusalText(SweepRefusal::WeightNotNumber);
}

}  // namespace tz9
