// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/comparison.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "common/large_buffer.h"
#include "common/number_text.h"

namespace tz9 {
namespace {

// Below this many cells a second thread does not pay for itself.
constexpr size_t kParallelCells = size_t{1} << 16;

// The headers of one axis of a computation, as read back by its sweep.
template <typename Value>
struct AxisHeaders {
  const std::vector<std::string>& texts;
  const std::vector<Value>& values;
  const std::vector<CellFailure>& failures;

  bool Read(size_t i) const { return failures[i] == CellFailure::None; }
};

// The baseline's headers to match against: the read values sorted (equal values in order of
// appearance), the unread ones by their trimmed text; each group hands its indices out in order.
class AxisIndex {
 public:
  template <typename Value>
  explicit AxisIndex(const AxisHeaders<Value>& axis) {
    for (size_t i = 0; i < axis.values.size(); ++i) {
      const int index = static_cast<int>(i) + 1;
      if (axis.Read(i)) {
        byValue_.emplace_back(static_cast<double>(axis.values[i]), index);
      } else {
        byText_[std::string(TrimBlanks(axis.texts[i]))].indices.push_back(index);
      }
    }
    // Read values are finite, so < orders them; a stable sort keeps equal values in order.
    std::stable_sort(byValue_.begin(), byValue_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    taken_.assign(byValue_.size(), 0);
  }

  // The next unmatched index holding this value, or 0 when every one is taken.
  int TakeValue(double value) {
    const auto first =
        std::lower_bound(byValue_.begin(), byValue_.end(), value,
                         [](const auto& entry, double v) { return entry.first < v; });
    const auto group = static_cast<size_t>(first - byValue_.begin());
    if (group == byValue_.size()) return 0;  // greater than every value
    const size_t next = group + taken_[group];
    if (next >= byValue_.size() || byValue_[next].first != value) return 0;
    ++taken_[group];
    return byValue_[next].second;
  }

  int TakeText(std::string_view text) {
    const auto found = byText_.find(text);
    if (found == byText_.end()) return 0;
    TextGroup& group = found->second;
    return group.taken < group.indices.size() ? group.indices[group.taken++] : 0;
  }

 private:
  struct TextGroup {
    std::vector<int> indices;
    size_t taken = 0;
  };
  std::vector<std::pair<double, int>> byValue_;
  std::vector<size_t> taken_;  // taken_[g]: indices handed out of the group starting at g
  std::map<std::string, TextGroup, std::less<>> byText_;
};

template <typename Value>
std::vector<MatchedIndex> MatchAxis(const AxisHeaders<Value>& current,
                                    const AxisHeaders<Value>& baseline) {
  AxisIndex index(baseline);
  std::vector<MatchedIndex> matched;
  for (size_t i = 0; i < current.values.size(); ++i) {
    const int other = current.Read(i) ? index.TakeValue(static_cast<double>(current.values[i]))
                                      : index.TakeText(TrimBlanks(current.texts[i]));
    if (other != 0) matched.push_back({static_cast<int>(i) + 1, other});
  }
  return matched;
}

AxisHeaders<float> Altitudes(const TableComputation& c) {
  return {c.altitudeHeaders, c.altitudes, c.altitudeFailures};
}

AxisHeaders<double> Speeds(const TableComputation& c) {
  return {c.speedHeaders, c.speeds, c.speedFailures};
}

ComparisonStatus StatusOf(SummaryStatus status) {
  switch (status) {
    case SummaryStatus::Done:
      return ComparisonStatus::Done;
    case SummaryStatus::Cancelled:
      return ComparisonStatus::Cancelled;
    case SummaryStatus::SpeedRangeTooWide:
      return ComparisonStatus::SpeedRangeTooWide;
  }
  return ComparisonStatus::Done;
}

template <typename Answer>
std::optional<double> Figure(const std::optional<Answer>& answer, double Answer::*member) {
  if (!answer) return std::nullopt;
  return (*answer).*member;
}

ComparedCell CompareCell(const CellResult& current, const CellResult& baseline) {
  ComparedCell cell;
  if (current.Steady()) {
    cell.fuelFlow = current.fuelFlow;
    cell.regime = current.regime;
  }
  if (baseline.Steady()) {
    cell.baselineFuelFlow = baseline.fuelFlow;
    cell.baselineRegime = baseline.regime;
  }
  return cell;
}

}  // namespace

std::optional<double> ChangePercent(std::optional<double> current, std::optional<double> baseline) {
  if (!current || !baseline || *baseline == 0) return std::nullopt;
  const double change = *current - *baseline;
  const double ratio = change / *baseline;
  const double percent = ratio * 100;
  // Only figures beyond the range of numbers get here; they have no change to show.
  if (!std::isfinite(percent)) return std::nullopt;
  return percent;
}

AxisMatch MatchAxes(const TableComputation& current, const TableComputation& baseline) {
  return {MatchAxis(Altitudes(current), Altitudes(baseline)),
          MatchAxis(Speeds(current), Speeds(baseline))};
}

RowComparison CompareSummaries(const TableComputation& current, const TableSummary& currentSummary,
                               const TableComputation& baseline,
                               const TableSummary& baselineSummary) {
  RowComparison comparison;
  for (const TableSummary* summary : {&currentSummary, &baselineSummary}) {
    if (summary->status != SummaryStatus::Done) {
      comparison.status = StatusOf(summary->status);
      return comparison;
    }
  }
  const std::vector<MatchedIndex> rows = MatchAxis(Altitudes(current), Altitudes(baseline));
  if (rows.empty()) {
    comparison.status = ComparisonStatus::NoCommonAltitude;
    return comparison;
  }
  comparison.rows.reserve(rows.size());
  for (const MatchedIndex& row : rows) {
    ComparedRow& compared = comparison.rows.emplace_back();
    compared.row = row;
    compared.current = currentSummary.rows[static_cast<size_t>(row.current - 1)];
    compared.baseline = baselineSummary.rows[static_cast<size_t>(row.baseline - 1)];
    compared.bestRangeChangePercent =
        ChangePercent(Figure(compared.current.bestRange, &ScanPoint::lbsPerNm),
                      Figure(compared.baseline.bestRange, &ScanPoint::lbsPerNm));
    compared.bestEnduranceChangePercent =
        ChangePercent(Figure(compared.current.bestEndurance, &ScanPoint::fuelFlow),
                      Figure(compared.baseline.bestEndurance, &ScanPoint::fuelFlow));
  }
  return comparison;
}

RowComparison CompareRows(const TableComputation& current, const TableComputation& baseline,
                          const AnalysisControl& control) {
  if (MatchAxis(Altitudes(current), Altitudes(baseline)).empty()) {
    return {ComparisonStatus::NoCommonAltitude, {}};
  }
  // The progress shares follow the rows each summary scans.
  const double currentRows = current.AltitudeCount();
  const double currentShare = currentRows / (currentRows + baseline.AltitudeCount());
  const TableSummary currentSummary = SummarizeTable(current, PartOf(control, 0, currentShare));
  if (currentSummary.status != SummaryStatus::Done) return {StatusOf(currentSummary.status), {}};
  const TableSummary baselineSummary =
      SummarizeTable(baseline, PartOf(control, currentShare, 1 - currentShare));
  return CompareSummaries(current, currentSummary, baseline, baselineSummary);
}

std::optional<double> ComparedCell::FuelFlow() const {
  if (regime == PowerRegime::NoSteadyFlight) return std::nullopt;
  return fuelFlow;
}

std::optional<double> ComparedCell::BaselineFuelFlow() const {
  if (baselineRegime == PowerRegime::NoSteadyFlight) return std::nullopt;
  return baselineFuelFlow;
}

std::optional<double> ComparedCell::ChangePercent() const {
  return tz9::ChangePercent(FuelFlow(), BaselineFuelFlow());
}

bool ComparedCell::RegimeDiffers() const {
  return regime != PowerRegime::NoSteadyFlight && baselineRegime != PowerRegime::NoSteadyFlight &&
         regime != baselineRegime;
}

CellComparison CompareCells(const TableComputation& current, const TableComputation& baseline,
                            const AnalysisControl& control) {
  CellComparison comparison;
  comparison.match = MatchAxes(current, baseline);
  const std::vector<MatchedIndex>& rows = comparison.match.rows;
  const std::vector<MatchedIndex>& columns = comparison.match.columns;
  if (rows.empty() || columns.empty()) {
    comparison.status =
        rows.empty() ? ComparisonStatus::NoCommonAltitude : ComparisonStatus::NoCommonSpeed;
    return comparison;
  }
  const size_t count = rows.size() * columns.size();
  comparison.cells.reserve(count);
  AdviseLargeBuffer(comparison.cells.data(), count * sizeof(ComparedCell));
  comparison.cells.resize(count);
  const auto compareColumn = [&](int j, const StopSignal&) {
    const MatchedIndex column = columns[static_cast<size_t>(j)];
    ComparedCell* out = comparison.cells.data() + static_cast<size_t>(j) * rows.size();
    for (const MatchedIndex& row : rows) {
      *out++ = CompareCell(current.Cell(row.current, column.current),
                           baseline.Cell(row.baseline, column.baseline));
    }
  };
  if (!ForEachRow(comparison.ColumnCount(), count >= kParallelCells, control, compareColumn)) {
    comparison.status = ComparisonStatus::Cancelled;
    comparison.cells = {};
  }
  return comparison;
}

}  // namespace tz9
