// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/chart_model.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "performance/atmosphere.h"

namespace tz9 {
namespace {

// A row's line needs no more points than a chart has pixels across; beyond this many knots the
// line takes every k-th knot (the marks still come from every knot).
constexpr long long kMaxLinePoints = 4096;

// The half width given to a cell with no neighbour to meet, so that it still shows.
double LoneHalfWidth(ChartSpeed speed) {
  switch (speed) {
    case ChartSpeed::Cas:
    case ChartSpeed::Tas:
      return 0.5;  // kt
    case ChartSpeed::Mach:
      return 0.005;
  }
  return 0.5;
}
constexpr double kLoneHalfHeightFeet = 50;

bool HeaderRead(CellFailure failure) {
  return failure == CellFailure::None;
}

std::optional<double> RowAltitude(const TableComputation& c, int row) {
  const auto i = static_cast<size_t>(row - 1);
  if (!HeaderRead(c.altitudeFailures[i])) return std::nullopt;
  return static_cast<double>(c.altitudes[i]);
}

// A cell's speed on the axis: its header's CAS, or its own TAS or Mach when it was computed.
std::optional<double> CellSpeed(const TableComputation& c, int row, int col, ChartSpeed speed) {
  if (!HeaderRead(c.speedFailures[static_cast<size_t>(col - 1)])) return std::nullopt;
  const CellResult& cell = c.Cell(row, col);
  double value = 0;
  switch (speed) {
    case ChartSpeed::Cas:
      value = c.speeds[static_cast<size_t>(col - 1)];
      break;
    case ChartSpeed::Tas:
      if (cell.failure != CellFailure::None) return std::nullopt;
      value = cell.tas;
      break;
    case ChartSpeed::Mach:
      if (cell.failure != CellFailure::None) return std::nullopt;
      value = cell.mach;
      break;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// The speed on the axis of a whole knot at an altitude, as the atmosphere gives it.
double KnotSpeedOnAxis(double cas, float altitudeFeet, ChartSpeed speed) {
  switch (speed) {
    case ChartSpeed::Cas:
      return cas;
    case ChartSpeed::Tas:
      return ComputeAtmosphere(cas, altitudeFeet).tas;
    case ChartSpeed::Mach:
      return ComputeAtmosphere(cas, altitudeFeet).mach;
  }
  return cas;
}

bool InTable(const TableComputation& c, GridCell cell) {
  return cell.row >= 1 && cell.row <= c.AltitudeCount() && cell.col >= 1 &&
         cell.col <= c.SpeedCount();
}

ScanPoint PointOfCell(const TableComputation& c, int row, int col) {
  const CellResult& cell = c.Cell(row, col);
  return {c.speeds[static_cast<size_t>(col - 1)],
          cell.tas,
          cell.mach,
          cell.fuelFlow,
          cell.lbsPerNm,
          cell.regime,
          cell.supersonic};
}

// Collects points into runs: a gap closes the open run.
class RunBuilder {
 public:
  explicit RunBuilder(std::vector<std::vector<ScanPoint>>& runs) : runs_(runs) {}
  void Add(const ScanPoint& point) {
    if (!open_) runs_.emplace_back();
    open_ = true;
    runs_.back().push_back(point);
  }
  void Gap() { open_ = false; }

 private:
  std::vector<std::vector<ScanPoint>>& runs_;
  bool open_ = false;
};

void WidenBand(std::optional<SpeedBand>& band, double cas) {
  if (!band) {
    band = SpeedBand{cas, cas};
  } else {
    band->minCas = std::min(band->minCas, cas);
    band->maxCas = std::max(band->maxCas, cas);
  }
}

// The line of a row from every (k-th) whole knot; the marks from ScanRow itself.
void ScanLine(const TableComputation& c, const LevelFlightModel& model, const KnotSpeeds& knots,
              AltitudeLine& line) {
  const AltitudeRow row = model.PrepareRow(line.altitudeFeet);
  const long long stride = (knots.Count() + kMaxLinePoints - 1) / kMaxLinePoints;
  RunBuilder runs(line.runs);
  const auto addKnot = [&](long long i) {
    const LevelFlightPoint point = model.Evaluate(c.weight, c.counts, knots.terms[i], row);
    if (point.Failed() || point.regime == PowerRegime::NoSteadyFlight) {
      runs.Gap();
      return;
    }
    runs.Add({knots.Knot(i), point.tas, point.mach, point.fuelFlow, point.fuelFlow / point.tas,
              point.regime, point.supersonic});
  };
  for (long long i = 0; i < knots.Count(); i += stride)
    addKnot(i);
  if ((knots.Count() - 1) % stride != 0) addKnot(knots.Count() - 1);
  line.marks = ScanRow(model, row, c.weight, c.counts, knots);
}

// The line of a row from its cells, with the row's best cells as its marks.
void CellLine(const TableComputation& c, const GridBestCells& best, AltitudeLine& line) {
  RunBuilder runs(line.runs);
  RowScan& marks = line.marks;
  for (int col = 1; col <= c.SpeedCount(); ++col) {
    const CellResult& cell = c.Cell(line.row, col);
    ++marks.pointsScanned;
    if (cell.failure != CellFailure::None && marks.pointsFailed++ == 0) {
      marks.firstFailure = cell.failure;
    }
    if (!cell.Steady()) {
      runs.Gap();
      continue;
    }
    const ScanPoint point = PointOfCell(c, line.row, col);
    runs.Add(point);
    WidenBand(point.regime == PowerRegime::Military ? marks.military : marks.afterburner,
              point.cas);
  }
  if (best.rangeColumn) marks.bestRange = PointOfCell(c, line.row, *best.rangeColumn);
  if (best.enduranceColumn) marks.bestEndurance = PointOfCell(c, line.row, *best.enduranceColumn);
}

// The extent of each position: half way to each known neighbour, or the position itself at an
// end; a position with no known neighbour at all gets loneHalfWidth on each side.
struct Extent {
  double from = 0;
  double to = 0;
};
std::vector<std::optional<Extent>> Extents(const std::vector<std::optional<double>>& positions,
                                           double loneHalfWidth) {
  std::vector<std::optional<Extent>> extents(positions.size());
  for (size_t i = 0; i < positions.size(); ++i) {
    if (!positions[i]) continue;
    const double at = *positions[i];
    const bool hasBefore = i > 0 && positions[i - 1];
    const bool hasAfter = i + 1 < positions.size() && positions[i + 1];
    if (!hasBefore && !hasAfter) {
      extents[i] = Extent{at - loneHalfWidth, at + loneHalfWidth};
      continue;
    }
    const double from = hasBefore ? (*positions[i - 1] + at) / 2 : at;
    const double to = hasAfter ? (at + *positions[i + 1]) / 2 : at;
    extents[i] = Extent{std::min(from, to), std::max(from, to)};
  }
  return extents;
}

// The speed on the axis and the region of each cell of one row.
struct RowCells {
  std::vector<std::optional<double>> speeds;
  std::vector<EnvelopeRegion> regions;
};

// Rows gathered this many at a time: the cells lie column by column, so a row read cell by cell
// would touch a new page of memory at every step.
constexpr int kGatherRows = 64;

void GatherRows(const TableComputation& c, int firstRow, ChartSpeed speed,
                std::vector<RowCells>& rows) {
  const auto cols = static_cast<size_t>(c.SpeedCount());
  for (RowCells& row : rows) {
    row.speeds.assign(cols, std::nullopt);
    row.regions.assign(cols, EnvelopeRegion::NotComputed);
  }
  for (int col = 1; col <= c.SpeedCount(); ++col) {
    for (size_t i = 0; i < rows.size(); ++i) {
      const int row = firstRow + static_cast<int>(i);
      rows[i].speeds[static_cast<size_t>(col - 1)] = CellSpeed(c, row, col, speed);
      rows[i].regions[static_cast<size_t>(col - 1)] = RegionOf(c.Cell(row, col));
    }
  }
}

// One row of the envelope: its cells merged into runs of one region.
std::vector<EnvelopeRun> EnvelopeRuns(const RowCells& cells, ChartSpeed speed) {
  const std::vector<std::optional<Extent>> extents = Extents(cells.speeds, LoneHalfWidth(speed));
  std::vector<EnvelopeRun> runs;
  bool open = false;
  for (size_t i = 0; i < extents.size(); ++i) {
    const std::optional<Extent>& extent = extents[i];
    if (!extent) {
      open = false;
      continue;
    }
    const int col = static_cast<int>(i) + 1;
    const EnvelopeRegion region = cells.regions[i];
    if (open && runs.back().region == region) {
      runs.back().lastCol = col;
      runs.back().speedFrom = std::min(runs.back().speedFrom, extent->from);
      runs.back().speedTo = std::max(runs.back().speedTo, extent->to);
    } else {
      runs.push_back({region, col, col, extent->from, extent->to});
    }
    open = true;
  }
  return runs;
}

// Adds points to polylines, a missing point closing the open one.
class PolylineBuilder {
 public:
  explicit PolylineBuilder(std::vector<EnvelopePolyline>& lines) : lines_(lines) {}
  void Add(std::optional<EnvelopePoint> point) {
    if (!point) {
      open_ = false;
      return;
    }
    if (!open_) lines_.emplace_back();
    open_ = true;
    lines_.back().push_back(*point);
  }

 private:
  std::vector<EnvelopePolyline>& lines_;
  bool open_ = false;
};

struct RowAnswers {
  int row = 0;
  const RowScan* scan = nullptr;
};

EnvelopeLines LinesOfRows(const TableComputation& c, const std::vector<RowAnswers>& rows,
                          ChartSpeed speed) {
  std::vector<std::optional<double>> altitudes;
  for (const RowAnswers& answers : rows)
    altitudes.push_back(RowAltitude(c, answers.row));
  const std::vector<std::optional<Extent>> heights = Extents(altitudes, kLoneHalfHeightFeet);
  EnvelopeLines lines;
  PolylineBuilder militaryLeast(lines.militaryLeast);
  PolylineBuilder militaryGreatest(lines.militaryGreatest);
  PolylineBuilder afterburnerLeast(lines.afterburnerLeast);
  PolylineBuilder afterburnerGreatest(lines.afterburnerGreatest);
  PolylineBuilder bestRange(lines.bestRange);
  for (size_t i = 0; i < rows.size(); ++i) {
    const RowScan& scan = *rows[i].scan;
    const std::optional<Extent>& height = heights[i];
    const float altitudeFeet = c.altitudes[static_cast<size_t>(rows[i].row - 1)];
    // A limit is a step over the row's height, joined to the next row's step.
    const auto step = [&](PolylineBuilder& line, std::optional<double> cas) {
      if (!height || !cas) {
        line.Add(std::nullopt);
        return;
      }
      const double x = KnotSpeedOnAxis(*cas, altitudeFeet, speed);
      line.Add(EnvelopePoint{x, height->from});
      line.Add(EnvelopePoint{x, height->to});
    };
    const auto least = [](const std::optional<SpeedBand>& band) {
      return band ? std::optional<double>(band->minCas) : std::nullopt;
    };
    const auto greatest = [](const std::optional<SpeedBand>& band) {
      return band ? std::optional<double>(band->maxCas) : std::nullopt;
    };
    step(militaryLeast, least(scan.military));
    step(militaryGreatest, greatest(scan.military));
    step(afterburnerLeast, least(scan.afterburner));
    step(afterburnerGreatest, greatest(scan.afterburner));
    if (altitudes[i] && scan.bestRange) {
      bestRange.Add(EnvelopePoint{SpeedOf(*scan.bestRange, speed), *altitudes[i]});
    } else {
      bestRange.Add(std::nullopt);
    }
  }
  return lines;
}

// The position minimising distance(i), ties to the first; none when count is 0.
template <typename Distance>
std::optional<int> Nearest(int count, const Distance& distance) {
  std::optional<int> best;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (int i = 0; i < count; ++i) {
    const std::optional<double> d = distance(i);
    if (d && (!best || *d < bestDistance)) {
      best = i;
      bestDistance = *d;
    }
  }
  return best;
}

// The column whose readable speed header is nearest cas.
std::optional<int> NearestColumn(const TableComputation& c, double cas) {
  const std::optional<int> i = Nearest(c.SpeedCount(), [&](int k) -> std::optional<double> {
    if (!HeaderRead(c.speedFailures[static_cast<size_t>(k)])) return std::nullopt;
    return std::abs(c.speeds[static_cast<size_t>(k)] - cas);
  });
  return i ? std::optional<int>(*i + 1) : std::nullopt;
}

double SpanOrOne(double span) {
  return std::isfinite(span) && span > 0 ? span : 1;
}

}  // namespace

double SpeedOf(const ScanPoint& point, ChartSpeed speed) {
  switch (speed) {
    case ChartSpeed::Cas:
      return point.cas;
    case ChartSpeed::Tas:
      return point.tas;
    case ChartSpeed::Mach:
      return point.mach;
  }
  return point.cas;
}

double QuantityOf(const ScanPoint& point, ChartQuantity quantity) {
  switch (quantity) {
    case ChartQuantity::LbsPerNm:
      return point.lbsPerNm;
    case ChartQuantity::FuelFlow:
      return point.fuelFlow;
    case ChartQuantity::NmPer1000Lb:
      return point.fuelFlow > 0 ? 1000 * point.tas / point.fuelFlow
                                : std::numeric_limits<double>::quiet_NaN();
  }
  return point.lbsPerNm;
}

AxisScale FitAxis(double least, double greatest, int maxIntervals) {
  if (!std::isfinite(least) || !std::isfinite(greatest) || least > greatest) return {};
  if (least == greatest) {
    const double half = least == 0 ? 1 : std::abs(least) / 10;
    least = least - half;
    greatest = greatest + half;
  }
  // The least of 1, 2 and 5 times a power of ten at or above the span's share of an interval.
  const double share = (greatest - least) / std::max(1, maxIntervals);
  const int exponent = static_cast<int>(std::floor(std::log10(share)));
  // Negative powers as divisions, so that 0.1 and 0.05 are the doubles nearest them.
  const auto times = [exponent](double mantissa) {
    return exponent >= 0 ? mantissa * std::pow(10.0, exponent)
                         : mantissa / std::pow(10.0, -exponent);
  };
  double step = times(10);
  for (double mantissa : {1.0, 2.0, 5.0}) {
    if (times(mantissa) >= share) {
      step = times(mantissa);
      break;
    }
  }
  // A quotient a rounding short of a whole number is that number.
  constexpr double kSlack = 1e-9;
  const double half = step / 2;
  return {std::floor(least / half + kSlack) * half, std::ceil(greatest / half - kSlack) * half,
          step};
}

std::uint32_t OrderedLineColour(size_t i, size_t count) {
  // viridis at 0, 0.1, ..., 0.9, as 0xRRGGBB; the lines use it up to kTop.
  static constexpr std::uint32_t kViridis[] = {0x440154, 0x482475, 0x414487, 0x355f8d, 0x2a788e,
                                               0x21918c, 0x22a884, 0x44bf70, 0x7ad151, 0xbddf26};
  constexpr double kTop = 0.85;
  constexpr size_t kLastStop = std::size(kViridis) - 1;
  const double t = count > 1 ? kTop * static_cast<double>(i) / static_cast<double>(count - 1) : 0;
  const double at = t * 10;
  const auto low = std::min(static_cast<size_t>(at), kLastStop - 1);
  const double share = at - static_cast<double>(low);
  std::uint32_t colour = 0;
  for (int shift : {16, 8, 0}) {
    const double a = static_cast<double>((kViridis[low] >> shift) & 0xff);
    const double b = static_cast<double>((kViridis[low + 1] >> shift) & 0xff);
    colour |= static_cast<std::uint32_t>(std::lround(a + share * (b - a))) << shift;
  }
  return colour;
}

std::vector<double> SpreadLabels(const std::vector<double>& wanted, double height, double low,
                                 double high) {
  std::vector<size_t> order(wanted.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&wanted](size_t a, size_t b) { return wanted[a] < wanted[b]; });
  std::vector<double> centres(wanted.size());
  const double first = low + height / 2;
  const double last = high - height / 2;
  // Down from the least, each at least a height past the one before; then up from the last,
  // each at least a height before the next.
  for (size_t k = 0; k < order.size(); ++k) {
    double centre = std::clamp(wanted[order[k]], first, std::max(first, last));
    if (k > 0) centre = std::max(centre, centres[order[k - 1]] + height);
    centres[order[k]] = centre;
  }
  for (size_t k = order.size(); k-- > 0;) {
    double centre = std::min(centres[order[k]], last);
    if (k + 1 < order.size()) centre = std::min(centre, centres[order[k + 1]] - height);
    centres[order[k]] = centre;
  }
  return centres;
}

std::vector<int> ChooseChartRows(int rowCount, const std::vector<int>& picked,
                                 std::optional<int> selectedRow, int spread) {
  std::vector<int> rows;
  for (int row : picked) {
    if (row >= 1 && row <= rowCount) rows.push_back(row);
  }
  if (rows.empty() && rowCount <= std::max(spread, 1)) {
    for (int row = 1; row <= rowCount; ++row)
      rows.push_back(row);
  } else if (rows.empty() && spread <= 1) {
    rows.push_back(1);
  } else if (rows.empty()) {
    // Rows 1 and rowCount, and between them the rows nearest equal steps.
    for (long long i = 0; i < spread; ++i) {
      const long long steps = static_cast<long long>(rowCount - 1) * i;
      rows.push_back(1 + static_cast<int>((2 * steps + (spread - 1)) / (2 * (spread - 1))));
    }
  }
  if (selectedRow && *selectedRow >= 1 && *selectedRow <= rowCount) rows.push_back(*selectedRow);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

std::vector<AltitudeLine> BuildAltitudeLines(const TableComputation& computation,
                                             const std::vector<int>& rows) {
  const KnotSpeeds knots = MakeKnotSpeeds(computation);
  const bool scan = knots.status == KnotSpanStatus::Ready && knots.Count() > 0;
  const LevelFlightModel model(*computation.aircraft);
  const std::vector<GridBestCells> best =
      scan ? std::vector<GridBestCells>() : FindGridBestCells(computation);
  std::vector<AltitudeLine> lines;
  lines.reserve(rows.size());
  for (int row : rows) {
    if (row < 1 || row > computation.AltitudeCount()) continue;
    AltitudeLine& line = lines.emplace_back();
    line.row = row;
    line.altitudeFeet = computation.altitudes[static_cast<size_t>(row - 1)];
    line.source = scan ? LineSource::KnotScan : LineSource::Cells;
    const CellFailure header = computation.altitudeFailures[static_cast<size_t>(row - 1)];
    if (scan && !HeaderRead(header)) {
      line.marks = FailedRowScan(knots, header);
    } else if (scan) {
      ScanLine(computation, model, knots, line);
    } else {
      CellLine(computation, best[static_cast<size_t>(row - 1)], line);
    }
  }
  return lines;
}

EnvelopeRegion RegionOf(const CellResult& cell) {
  if (cell.failure != CellFailure::None) return EnvelopeRegion::NotComputed;
  switch (cell.regime) {
    case PowerRegime::Military:
      return cell.supersonic ? EnvelopeRegion::MilitarySupersonic
                             : EnvelopeRegion::MilitarySubsonic;
    case PowerRegime::Afterburner:
      return cell.supersonic ? EnvelopeRegion::AfterburnerSupersonic
                             : EnvelopeRegion::AfterburnerSubsonic;
    case PowerRegime::NoSteadyFlight:
      return EnvelopeRegion::NoSteadyFlight;
  }
  return EnvelopeRegion::NotComputed;
}

std::optional<EnvelopeRegion> EnvelopeMap::RegionAt(int row, int col) const {
  const auto r = std::lower_bound(rows.begin(), rows.end(), row,
                                  [](const EnvelopeRow& e, int value) { return e.row < value; });
  if (r == rows.end() || r->row != row) return std::nullopt;
  const auto run =
      std::lower_bound(r->runs.begin(), r->runs.end(), col,
                       [](const EnvelopeRun& e, int value) { return e.lastCol < value; });
  if (run == r->runs.end() || run->firstCol > col) return std::nullopt;
  return run->region;
}

EnvelopeMap BuildEnvelopeMap(const TableComputation& computation, ChartSpeed speed) {
  EnvelopeMap map;
  map.speed = speed;
  std::vector<std::optional<double>> altitudes(static_cast<size_t>(computation.AltitudeCount()));
  for (int row = 1; row <= computation.AltitudeCount(); ++row)
    altitudes[static_cast<size_t>(row - 1)] = RowAltitude(computation, row);
  const std::vector<std::optional<Extent>> heights = Extents(altitudes, kLoneHalfHeightFeet);
  bool any = false;
  std::vector<RowCells> gathered;
  for (int row = 1; row <= computation.AltitudeCount(); ++row) {
    const auto offset = static_cast<size_t>((row - 1) % kGatherRows);
    if (offset == 0) {
      gathered.resize(
          static_cast<size_t>(std::min(kGatherRows, computation.AltitudeCount() - row + 1)));
      GatherRows(computation, row, speed, gathered);
    }
    const std::optional<Extent>& height = heights[static_cast<size_t>(row - 1)];
    if (!height) continue;
    EnvelopeRow envelopeRow{row, height->from, height->to, EnvelopeRuns(gathered[offset], speed)};
    if (envelopeRow.runs.empty()) continue;
    const double speedFrom = envelopeRow.runs.front().speedFrom;
    const double speedTo = envelopeRow.runs.back().speedTo;
    map.speedMin = any ? std::min(map.speedMin, speedFrom) : speedFrom;
    map.speedMax = any ? std::max(map.speedMax, speedTo) : speedTo;
    map.altitudeMin = any ? std::min(map.altitudeMin, height->from) : height->from;
    map.altitudeMax = any ? std::max(map.altitudeMax, height->to) : height->to;
    any = true;
    map.rows.push_back(std::move(envelopeRow));
  }
  return map;
}

EnvelopeLines BuildEnvelopeLines(const TableComputation& computation, const TableSummary& summary,
                                 ChartSpeed speed) {
  std::vector<RowAnswers> rows;
  const auto count = std::min(summary.rows.size(), computation.altitudes.size());
  for (size_t i = 0; i < count; ++i)
    rows.push_back({static_cast<int>(i) + 1, &summary.rows[i]});
  return LinesOfRows(computation, rows, speed);
}

EnvelopeLines BuildEnvelopeLines(const TableComputation& computation,
                                 const std::vector<AltitudeLine>& lines, ChartSpeed speed) {
  std::vector<RowAnswers> rows;
  for (const AltitudeLine& line : lines)
    rows.push_back({line.row, &line.marks});
  return LinesOfRows(computation, rows, speed);
}

std::vector<std::vector<ScanPoint>> BestRangeLine(const std::vector<AltitudeLine>& lines) {
  std::vector<std::vector<ScanPoint>> joined;
  RunBuilder runs(joined);
  for (const AltitudeLine& line : lines) {
    if (line.marks.bestRange) {
      runs.Add(*line.marks.bestRange);
    } else {
      runs.Gap();
    }
  }
  return joined;
}

std::optional<ChartPosition> CellOnLineChart(const TableComputation& computation, GridCell cell,
                                             ChartSpeed speed, ChartQuantity quantity) {
  if (!InTable(computation, cell) || !computation.Cell(cell.row, cell.col).Steady()) {
    return std::nullopt;
  }
  const std::optional<double> x = CellSpeed(computation, cell.row, cell.col, speed);
  if (!x) return std::nullopt;
  return ChartPosition{*x, QuantityOf(PointOfCell(computation, cell.row, cell.col), quantity)};
}

std::optional<ChartPosition> CellOnEnvelope(const TableComputation& computation, GridCell cell,
                                            ChartSpeed speed) {
  if (!InTable(computation, cell)) return std::nullopt;
  const std::optional<double> x = CellSpeed(computation, cell.row, cell.col, speed);
  const std::optional<double> altitude = RowAltitude(computation, cell.row);
  if (!x || !altitude) return std::nullopt;
  return ChartPosition{*x, *altitude};
}

std::optional<GridCell> NearestCellOnLineChart(const TableComputation& computation,
                                               const std::vector<AltitudeLine>& lines,
                                               ChartSpeed speed, ChartQuantity quantity,
                                               ChartPosition clicked, ChartPosition axisSpans) {
  const double xSpan = SpanOrOne(axisSpans.x);
  const double ySpan = SpanOrOne(axisSpans.y);
  const AltitudeLine* nearestLine = nullptr;
  const ScanPoint* nearestPoint = nullptr;
  double nearestDistance = std::numeric_limits<double>::infinity();
  for (const AltitudeLine& line : lines) {
    for (const std::vector<ScanPoint>& run : line.runs) {
      for (const ScanPoint& point : run) {
        const double dx = (SpeedOf(point, speed) - clicked.x) / xSpan;
        const double dy = (QuantityOf(point, quantity) - clicked.y) / ySpan;
        const double distance = dx * dx + dy * dy;
        if (nearestPoint == nullptr || distance < nearestDistance) {
          nearestLine = &line;
          nearestPoint = &point;
          nearestDistance = distance;
        }
      }
    }
  }
  if (nearestPoint == nullptr) return std::nullopt;
  const std::optional<int> col = NearestColumn(computation, nearestPoint->cas);
  if (!col) return std::nullopt;
  return GridCell{nearestLine->row, *col};
}

std::optional<GridCell> NearestCellOnEnvelope(const TableComputation& computation, ChartSpeed speed,
                                              ChartPosition clicked) {
  const std::optional<int> rowIndex =
      Nearest(computation.AltitudeCount(), [&](int i) -> std::optional<double> {
        const std::optional<double> altitude = RowAltitude(computation, i + 1);
        if (!altitude) return std::nullopt;
        return std::abs(*altitude - clicked.y);
      });
  if (!rowIndex) return std::nullopt;
  const int row = *rowIndex + 1;
  const std::optional<int> colIndex =
      Nearest(computation.SpeedCount(), [&](int i) -> std::optional<double> {
        const std::optional<double> x = CellSpeed(computation, row, i + 1, speed);
        if (!x) return std::nullopt;
        return std::abs(*x - clicked.x);
      });
  if (!colIndex) return std::nullopt;
  return GridCell{row, *colIndex + 1};
}

}  // namespace tz9
