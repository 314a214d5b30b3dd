// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/table_layout.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "common/number_text.h"

namespace tz9 {
namespace {

constexpr int kHeaderColWidth = 870;  // twips, column 0
constexpr int kSpeedColWidth = 600;   // twips, every speed column

// ---- Start-up layout ---------------------------------------------------------------------

constexpr std::array<std::string_view, 11> kStartupAltitudes = {
    "0 ft",     "500 ft",   "1000 ft",  "5000 ft",  "10000 ft", "15000 ft",
    "20000 ft", "25000 ft", "30000 ft", "35000 ft", "40000 ft"};
constexpr int kStartupSpeeds = 23;

double StartupSpeedKnots(int col) {
  if (col == 1) return 150;
  if (col == 2) return 200;
  return 30 * col + 160;
}

// ---- Axis values -------------------------------------------------------------------------

// True once v lies beyond end in the direction of step; both ends stay inclusive.
bool Passed(double v, double end, double step) {
  return step > 0 ? v > end : v < end;
}

using Refusal = std::optional<LayoutRefusal>;

double ValueOf(const AxisRange& r, RangeField field) {
  switch (field) {
    case RangeField::Min:
      return r.Min;
    case RangeField::Step1:
      return r.Step1;
    case RangeField::Step:
      return r.Step;
    case RangeField::Step2:
      return r.Step2;
    case RangeField::Max:
      return r.Max;
  }
  return 0;
}

// A stepped segment of an axis by its fields: from start, by step, up to end.
struct SegmentFields {
  RangeField start, step, end;
};
constexpr SegmentFields kFirstSegment = {RangeField::Min, RangeField::Step1, RangeField::Step};
constexpr SegmentFields kSecondSegment = {RangeField::Step, RangeField::Step2, RangeField::Max};

// The refusal for one segment's step, or none when the step can walk from start to end.
Refusal StepRefusal(const AxisRange& r, TableAxis axis, SegmentFields s) {
  const auto refuse = [&](LayoutRefusalKind kind, bool mustBePositive = false) {
    return LayoutRefusal{.kind = kind,
                         .axis = axis,
                         .field = s.step,
                         .from = s.start,
                         .to = s.end,
                         .mustBePositive = mustBePositive};
  };
  const double start = ValueOf(r, s.start);
  const double step = ValueOf(r, s.step);
  const double end = ValueOf(r, s.end);
  if (step == 0) return refuse(LayoutRefusalKind::StepZero);
  const double span = end - start;
  if (!std::isfinite(span)) return refuse(LayoutRefusalKind::SpanTooLarge);
  if (span != 0 && (span > 0) != (step > 0)) {
    return refuse(LayoutRefusalKind::StepPointsAway, span > 0);
  }
  return std::nullopt;
}

bool SameText(double a, double b) {
  return FormatGeneral(a) == FormatGeneral(b);
}

// A value reached from start by `additions` additions that only their rounding errors keep from
// being end: it reads as end in 15 digits, or lies within the error those additions can gather
// (half an ulp of the largest magnitude per addition, with room to spare). The segment's start
// itself (no additions) lands only when it reads as end: a step larger than the whole segment
// leaves the start where it is and appends the end.
bool LandsOn(double value, double end, double start, long long additions) {
  if (SameText(value, end)) return true;
  const double magnitude = std::max({std::fabs(start), std::fabs(end), std::fabs(value)});
  const double error = 4.0 * static_cast<double>(additions) * DBL_EPSILON * magnitude;
  return std::fabs(value - end) <= error;
}

// One segment of an axis: the values start, start + step, ... up to end.
struct Segment {
  double start = 0;
  double step = 0;
  double end = 0;
  long long lastAdditions = -1;  // additions that formed its last value; -1: it added none
};

// Adds the segment's values while they have not passed its end; its start was formed by
// firstAdditions additions. False when the axis would exceed its limit; the loop never runs
// further than that, however small the step.
bool AppendSegment(std::vector<double>& values, Segment& segment, long long firstAdditions) {
  long long additions = firstAdditions;
  for (double v = segment.start; !Passed(v, segment.end, segment.step); v = v + segment.step) {
    if (values.size() >= static_cast<size_t>(kMaxAxisValues)) return false;
    values.push_back(v);
    segment.lastAdditions = additions++;
  }
  return true;
}

// Closes a segment so that its end stands on the axis exactly once. The written closing test
// appends end when the span is not a whole number of steps, (end - start) != step *
// floor((end - start) / step); in exact arithmetic that is exactly when the stepping did not
// land on end. With a fractional step, repeated addition lands a rounding error beside end
// while the test may say the opposite, which would write end twice (0.7, 0.7) or leave it out
// (..., 1.9 without 2). So the stepping decides: a last value of this segment that lands on end
// (reads as end in 15 digits, or lies within the rounding error of its additions, as 1.4e-16
// does of 0) is replaced by end itself; otherwise end is appended. For whole-number ranges this
// is the written test. A value of the segment before is never replaced: it has its own place.
bool CloseSegment(std::vector<double>& values, const Segment& segment, double origin) {
  if (segment.lastAdditions >= 0 &&
      LandsOn(values.back(), segment.end, origin, segment.lastAdditions)) {
    values.back() = segment.end;
    return true;
  }
  if (segment.lastAdditions < 0 && SameText(values.back(), segment.end)) {
    return true;  // the segment is empty and its end already stands there
  }
  if (values.size() >= static_cast<size_t>(kMaxAxisValues)) return false;
  values.push_back(segment.end);
  return true;
}

Refusal FirstNonFinite(const AxisRange& r, TableAxis axis) {
  for (RangeField field :
       {RangeField::Min, RangeField::Step1, RangeField::Step, RangeField::Step2, RangeField::Max}) {
    if (!std::isfinite(ValueOf(r, field))) {
      return LayoutRefusal{.kind = LayoutRefusalKind::NotFinite, .axis = axis, .field = field};
    }
  }
  return std::nullopt;
}

Refusal RangeRefusal(const AxisRange& r, TableAxis axis) {
  Refusal refusal = FirstNonFinite(r, axis);
  if (!refusal) refusal = StepRefusal(r, axis, kFirstSegment);
  if (!refusal) refusal = StepRefusal(r, axis, kSecondSegment);
  return refusal;
}

// Neighbours that read the same would give two identical headers (and the same cells twice).
Refusal IndistinctRefusal(const std::vector<double>& values, size_t firstSegmentSize,
                          TableAxis axis) {
  for (size_t i = 1; i < values.size(); ++i) {
    if (SameText(values[i - 1], values[i])) {
      return LayoutRefusal{.kind = LayoutRefusalKind::Indistinct,
                           .axis = axis,
                           .field = i < firstSegmentSize ? RangeField::Step1 : RangeField::Step2};
    }
  }
  return std::nullopt;
}

// ---- Create Table ------------------------------------------------------------------------

struct SpeedMax {
  double knots = 0;
  Refusal refusal;
};

// The speed Max is rounded half to even and must fit the 16-bit integer that holds it.
SpeedMax RoundSpeedMax(std::string_view text) {
  const double parsed = ParseLeadingNumber(text);
  if (!std::isfinite(parsed)) {
    return {0, LayoutRefusal{.kind = LayoutRefusalKind::NotFinite,
                             .axis = TableAxis::Speed,
                             .field = RangeField::Max}};
  }
  const double rounded = std::nearbyint(parsed);
  if (rounded < -32768 || rounded > 32767) {
    return {0, LayoutRefusal{.kind = LayoutRefusalKind::SpeedMaxOutOfRange,
                             .axis = TableAxis::Speed,
                             .field = RangeField::Max,
                             .number = rounded}};
  }
  return {static_cast<double>(static_cast<std::int16_t>(rounded)), std::nullopt};
}

AxisRange AltitudeRange(const RangeTexts& t) {
  return {ParseLeadingNumber(t.altitudeMin), ParseLeadingNumber(t.altitudeStep1),
          ParseLeadingNumber(t.altitudeStep), ParseLeadingNumber(t.altitudeStep2),
          ParseLeadingNumber(t.altitudeMax)};
}

AxisRange SpeedRange(const RangeTexts& t, double maxKnots) {
  return {ParseLeadingNumber(t.speedMin), ParseLeadingNumber(t.speedStep1),
          ParseLeadingNumber(t.speedStep), ParseLeadingNumber(t.speedStep2), maxKnots};
}

void WriteSpeedHeaders(const std::vector<std::string>& speeds, ResultGrid& msfg1,
                       ResultGrid& msfg2) {
  int k = 0;
  for (const std::string& text : speeds) {
    k = k + 1;
    for (ResultGrid* grid : {&msfg1, &msfg2}) {
      grid->SetCol(k);
      grid->SetText(text);
      grid->SetColWidth(k, kSpeedColWidth);
      grid->SetColAlignment(k, ResultGrid::kCentreTop);
    }
  }
}

void WriteAltitudeHeaders(const std::vector<std::string>& altitudes, ResultGrid& msfg1,
                          ResultGrid& msfg2) {
  int r = 0;
  for (const std::string& text : altitudes) {
    r = r + 1;
    for (ResultGrid* grid : {&msfg1, &msfg2}) {
      grid->SetRow(r);
      grid->SetText(text);
    }
  }
}

}  // namespace

void ApplyStartupLayout(ResultGrid& msfg1, ResultGrid& msfg2) {
  for (ResultGrid* grid : {&msfg1, &msfg2}) {
    grid->SetCol(0);
    grid->SetColAlignment(0, ResultGrid::kCentreTop);
    grid->SetColWidth(0, kHeaderColWidth);
    grid->SetRow(1);
  }
  for (int r = 1; r <= static_cast<int>(kStartupAltitudes.size()); ++r) {
    if (r > 1) {
      msfg1.SetRow(r);
      msfg2.SetRow(r);
    }
    msfg1.SetText(kStartupAltitudes[static_cast<size_t>(r - 1)]);
    msfg2.SetText(kStartupAltitudes[static_cast<size_t>(r - 1)]);
  }
  msfg1.SetRow(0);
  msfg2.SetRow(0);
  for (int c = 1; c <= kStartupSpeeds; ++c) {
    msfg1.SetCol(c);
    msfg2.SetCol(c);
    for (ResultGrid* grid : {&msfg1, &msfg2}) {
      grid->SetColAlignment(c, ResultGrid::kCentreTop);
      grid->SetColWidth(c, kSpeedColWidth);
    }
    const std::string text = FormatBlankLed(StartupSpeedKnots(c));
    msfg1.SetText(text);
    msfg2.SetText(text);
  }
}

AxisValues BuildAxisValues(const AxisRange& r, TableAxis axis) {
  AxisValues result;
  result.refusal = RangeRefusal(r, axis);
  if (result.refusal) return result;
  std::vector<double>& values = result.values;
  Segment first{r.Min, r.Step1, r.Step};
  bool fits = AppendSegment(values, first, 0) && CloseSegment(values, first, r.Min);
  const size_t firstSegmentSize = values.size();
  Segment second{r.Step + r.Step2, r.Step2, r.Max};
  fits = fits && AppendSegment(values, second, 1) && CloseSegment(values, second, r.Step);
  result.refusal = fits ? IndistinctRefusal(values, firstSegmentSize, axis)
                        : LayoutRefusal{.kind = LayoutRefusalKind::TooManyValues, .axis = axis};
  if (result.refusal) values.clear();
  return result;
}

std::string SpeedHeaderText(double speedKnots) {
  return FormatGeneral(speedKnots);
}

std::string AltitudeHeaderText(double altitudeFeet) {
  return FormatBlankLed(altitudeFeet) + " ft";
}

RangeTexts DefaultRangeTexts() {
  return {"150", "50", "250", "30", "660", "0", "500", "1000", "5000", "40000"};
}

TableHeaders CreateTableHeaders(const RangeTexts& ranges) {
  TableHeaders headers;
  const AxisValues altitudes = BuildAxisValues(AltitudeRange(ranges), TableAxis::Altitude);
  if (altitudes.refusal) {
    headers.refusal = altitudes.refusal;
    return headers;
  }
  const SpeedMax speedMax = RoundSpeedMax(ranges.speedMax);
  if (speedMax.refusal) {
    headers.refusal = speedMax.refusal;
    return headers;
  }
  const AxisValues speeds = BuildAxisValues(SpeedRange(ranges, speedMax.knots), TableAxis::Speed);
  if (speeds.refusal) {
    headers.refusal = speeds.refusal;
    return headers;
  }
  const long long cells = static_cast<long long>(altitudes.values.size()) *
                          static_cast<long long>(speeds.values.size());
  if (cells > kMaxTableCells) {
    headers.refusal = LayoutRefusal{.kind = LayoutRefusalKind::TooManyCells, .cells = cells};
    return headers;
  }
  headers.speeds.reserve(speeds.values.size());
  for (double speed : speeds.values)
    headers.speeds.push_back(SpeedHeaderText(speed));
  headers.altitudes.reserve(altitudes.values.size());
  for (double altitude : altitudes.values)
    headers.altitudes.push_back(AltitudeHeaderText(altitude));
  return headers;
}

TableHeaders StartupTableHeaders() {
  TableHeaders headers;
  for (int c = 1; c <= kStartupSpeeds; ++c)
    headers.speeds.push_back(FormatBlankLed(StartupSpeedKnots(c)));
  headers.altitudes.assign(kStartupAltitudes.begin(), kStartupAltitudes.end());
  return headers;
}

LayoutOutcome CreateTableLayout(const RangeTexts& ranges, ResultGrid& msfg1, ResultGrid& msfg2) {
  const TableHeaders headers = CreateTableHeaders(ranges);
  if (headers.refusal) return {false, headers.refusal};
  // The size comes from the headers themselves, so every header lands inside the grid.
  const int rows = static_cast<int>(headers.altitudes.size()) + 1;
  const int cols = static_cast<int>(headers.speeds.size()) + 1;
  msfg1.SetRows(rows);
  msfg2.SetRows(rows);
  msfg1.SetCols(cols);
  msfg2.SetCols(cols);
  msfg1.SetRow(0);
  msfg2.SetRow(0);
  WriteSpeedHeaders(headers.speeds, msfg1, msfg2);
  msfg1.SetCol(0);
  msfg2.SetCol(0);
  WriteAltitudeHeaders(headers.altitudes, msfg1, msfg2);
  return {true, std::nullopt};
}

}  // namespace tz9
