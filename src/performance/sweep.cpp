// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/sweep.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "common/large_buffer.h"
#include "common/number_text.h"
#include "performance/atmosphere.h"

namespace tz9 {
namespace {

constexpr std::string_view kNoSteadyFlightText = "------";
constexpr size_t kLbsPerNmChars = 5;
constexpr int kMaxProgressCalls = 100;
constexpr long long kParallelCells = 20000;  // below this a second thread does not pay
constexpr int kBlockCells = 1 << 15;         // cells computed before they are written

// A cell text: every text the sweep writes is short ("17110", "28.51", "------"), so it is
// formed in place, without allocating, by the general number format.
struct ShortText {
  char chars[kGeneralBufferSize] = {};
  int length = 0;

  void Assign(std::string_view text) {
    length = static_cast<int>(text.size());
    for (int i = 0; i < length; ++i)
      chars[i] = text[static_cast<size_t>(i)];
  }
  void AssignNumber(double value) { length = FormatGeneralTo(value, chars); }
  std::string_view View() const { return {chars, static_cast<size_t>(length)}; }
};

// What one cell shows in the two grids. The second grid's background is written only where the
// mode says so; elsewhere the cell keeps the colour it had.
struct CellTexts {
  Colour colour1 = RegimeColour::White;
  ShortText text1;
  bool writesColour2 = true;
  Colour colour2 = RegimeColour::White;
  ShortText text2;
};

Colour RegimeColourOf(const CellResult& cell) {
  if (cell.regime == PowerRegime::Military) {
    return cell.supersonic ? RegimeColour::Green : RegimeColour::White;
  }
  return cell.supersonic ? RegimeColour::Red : RegimeColour::Yellow;
}

// The general form cut to its first five characters ("6.3199999591666" shows as "6.319"). An
// exponent form is left whole: cut, "1.5e-05" would read as 1.5.
void CutToFive(ShortText& text) {
  const std::string_view view = text.View();
  if (view.find('e') == std::string_view::npos && text.length > static_cast<int>(kLbsPerNmChars)) {
    text.length = static_cast<int>(kLbsPerNmChars);
  }
}

// The texts of a cell as its result says.
CellTexts MakeCellTexts(const CellResult& cell, DisplayMode mode) {
  CellTexts texts;
  if (cell.failure != CellFailure::None) {
    texts.text1.Assign(kNoSteadyFlightText);
    texts.text2.Assign(kNoSteadyFlightText);
    return texts;
  }
  const bool steady = cell.regime != PowerRegime::NoSteadyFlight;
  if (!steady) {
    texts.text1.Assign(kNoSteadyFlightText);
    if (mode == DisplayMode::LbsPerNm) {
      texts.text2.Assign(kNoSteadyFlightText);
    } else {
      texts.text2.AssignNumber(SecondGridValue(cell, mode));
    }
    return texts;
  }
  texts.colour1 = RegimeColourOf(cell);
  texts.text1.AssignNumber(cell.fuelFlow);
  texts.writesColour2 = InfoOf(mode).paintsSteadyCells;
  texts.colour2 = texts.colour1;
  texts.text2.AssignNumber(SecondGridValue(cell, mode));
  if (mode == DisplayMode::LbsPerNm) CutToFive(texts.text2);
  return texts;
}

// Per cell: first grid background then text, second grid background (where written) then text.
void WriteCell(const CellTexts& texts, int col, int row, ResultGrid& msfg1, ResultGrid& msfg2) {
  msfg1.SetRow(row);
  msfg1.SetCol(col);
  msfg1.SetCellBackColor(texts.colour1);
  msfg1.SetText(texts.text1.View());
  msfg2.SetRow(row);
  msfg2.SetCol(col);
  if (texts.writesColour2) msfg2.SetCellBackColor(texts.colour2);
  msfg2.SetText(texts.text2.View());
}

// A row's altitude from its header, without the " ft", held in single precision.
struct HeaderAltitude {
  float altitude = 0;
  CellFailure failure = CellFailure::None;
};

HeaderAltitude ReadAltitude(std::string_view altitudeText) {
  if (altitudeText.size() < 3) return {0, CellFailure::AltitudeHeaderTooShort};
  const double altitudeFeet = ParseLeadingNumber(altitudeText.substr(0, altitudeText.size() - 3));
  if (!(std::fabs(altitudeFeet) <= FLT_MAX)) return {0, CellFailure::AltitudeBeyondSinglePrecision};
  return {static_cast<float>(altitudeFeet), CellFailure::None};
}

// A column's calibrated airspeed from its whole header.
struct HeaderSpeed {
  double cas = 0;
  CellFailure failure = CellFailure::None;
};

HeaderSpeed ReadSpeed(std::string_view speedText) {
  const double casKnots = ParseLeadingNumber(speedText);
  if (!std::isfinite(casKnots)) return {0, CellFailure::SpeedBeyondRange};
  return {casKnots, CellFailure::None};
}

SweepRefusal Guard(const SweepInputs& inputs) {
  if (!IsNumericText(inputs.zeroFuelWeight)) return SweepRefusal::NoAircraft;
  if (!IsNumericText(inputs.compWeight)) return SweepRefusal::WeightNotNumber;
  if (ParseLeadingNumber(inputs.zeroFuelWeight) > ParseLeadingNumber(inputs.compWeight)) {
    return SweepRefusal::WeightBelowZfw;
  }
  return SweepRefusal::None;
}

StoreCounts ParseCounts(const StoreCountTexts& texts) {
  StoreCounts counts{};
  for (size_t i = 0; i < counts.size(); ++i)
    counts[i] = ParseLeadingNumber(texts[i]);
  return counts;
}

void NoteFailure(CellFailure cause, int col, int row, const ResultGrid& msfg1,
                 SweepTotals& totals) {
  if (totals.cellsFailed++ > 0) return;
  totals.firstFailedSpeed = std::string(msfg1.TextAt(0, col));
  totals.firstFailedAltitude = std::string(msfg1.TextAt(row, 0));
  totals.firstFailure = cause;
}

// The first half of the cells on this thread, the second on another; all of them here when the
// system has no thread to give.
template <typename ComputeRange>
void ComputeOnTwoThreads(const ComputeRange& computeRange, int firstCol, size_t cells) {
  std::thread helper;
  try {
    helper = std::thread(computeRange, firstCol, cells / 2, cells);
  } catch (const std::system_error&) {
    computeRange(firstCol, 0, cells);
    return;
  }
  computeRange(firstCol, 0, cells / 2);
  helper.join();
}

// The computation's inputs, before any header or cell: the record copied, the texts kept.
std::shared_ptr<TableComputation> NewComputation(const AircraftRecord& aircraft,
                                                 const SweepInputs& inputs) {
  auto computation = std::make_shared<TableComputation>();
  computation->aircraft = std::make_shared<const AircraftRecord>(aircraft);
  computation->weight = ParseLeadingNumber(inputs.compWeight);
  computation->counts = ParseCounts(inputs.counts);
  computation->mode = inputs.mode;
  computation->zeroFuelWeightText = std::string(inputs.zeroFuelWeight);
  computation->compWeightText = std::string(inputs.compWeight);
  for (size_t i = 0; i < inputs.counts.size(); ++i)
    computation->countTexts[i] = std::string(inputs.counts[i]);
  return computation;
}

// The next row's header, kept and read back.
void AddAltitudeHeader(TableComputation& computation, std::string_view text) {
  const HeaderAltitude header = ReadAltitude(text);
  computation.altitudeHeaders.emplace_back(text);
  computation.altitudes.push_back(header.altitude);
  computation.altitudeFailures.push_back(header.failure);
}

// The next column's header, kept and read back.
void AddSpeedHeader(TableComputation& computation, std::string_view text) {
  const HeaderSpeed header = ReadSpeed(text);
  computation.speedHeaders.emplace_back(text);
  computation.speeds.push_back(header.cas);
  computation.speedFailures.push_back(header.failure);
}

// The computation's inputs with msfg1's headers.
std::shared_ptr<TableComputation> StartComputation(const AircraftRecord& aircraft,
                                                   const SweepInputs& inputs,
                                                   const ResultGrid& msfg1) {
  const std::shared_ptr<TableComputation> computation = NewComputation(aircraft, inputs);
  const int rows = std::max(msfg1.Rows() - 1, 0);
  const int cols = std::max(msfg1.Cols() - 1, 0);
  for (int row = 1; row <= rows; ++row)
    AddAltitudeHeader(*computation, msfg1.TextAt(row, 0));
  for (int col = 1; col <= cols; ++col)
    AddSpeedHeader(*computation, msfg1.TextAt(0, col));
  return computation;
}

// Columns per block: small enough for a hundred progress reports and for the cache.
int BlockColumns(const TableComputation& c) {
  const int speedCount = c.SpeedCount();
  const int dataRows = std::max(c.AltitudeCount(), 1);
  return std::max(1, std::min(kBlockCells / dataRows,
                              (speedCount + kMaxProgressCalls - 1) / kMaxProgressCalls));
}

// Every cell of the computation's axes, column by column, each column top down. The headers
// were read once, so each row's altitude terms and each column's speed terms are made once. The
// cells of a block of columns are computed first, on both cores when the table is large (a cell
// depends on nothing but its headers and the inputs); onRange(firstCol, first, last, cells)
// then sees cells [first, last) of the block on the thread that computed them, and
// onBlock(firstCol, endCol, cells) the whole block on this thread, in sweep order. Columns count
// from 0; a block's cells are indexed col * rows + row from its first column.
template <typename OnRange, typename OnBlock>
void SweepBlocks(const TableComputation& c, const OnRange& onRange, const OnBlock& onBlock) {
  const int speedCount = c.SpeedCount();
  const int dataRows = c.AltitudeCount();
  if (speedCount < 1 || dataRows < 1) return;
  const LevelFlightModel model(*c.aircraft);
  std::vector<AltitudeRow> rows(static_cast<size_t>(dataRows));
  for (int row = 0; row < dataRows; ++row) {
    if (c.altitudeFailures[row] == CellFailure::None)
      rows[row] = model.PrepareRow(c.altitudes[row]);
  }
  std::vector<SpeedTerms> speeds(static_cast<size_t>(speedCount));
  for (int col = 0; col < speedCount; ++col)
    speeds[col] = ComputeSpeedTerms(c.speeds[col]);

  const bool twoCores = std::thread::hardware_concurrency() >= 2 &&
                        static_cast<long long>(dataRows) * speedCount >= kParallelCells;
  const int blockCols = BlockColumns(c);
  std::vector<CellResult> blockCells(static_cast<size_t>(blockCols) * dataRows);
  auto computeRange = [&](int firstCol, size_t first, size_t last) {
    for (size_t i = first; i < last; ++i) {
      const int col = firstCol + static_cast<int>(i / dataRows);
      const int row = static_cast<int>(i % dataRows);
      const CellFailure header = c.altitudeFailures[row] != CellFailure::None
                                     ? c.altitudeFailures[row]
                                     : c.speedFailures[col];
      blockCells[i] =
          header != CellFailure::None
              ? CellResult::Failed(header)
              : CellResultOf(model.Evaluate(c.weight, c.counts, speeds[col], rows[row]), c.mode);
    }
    onRange(firstCol, first, last, blockCells);
  };

  for (int firstCol = 0; firstCol < speedCount; firstCol += blockCols) {
    const int blockEnd = std::min(speedCount, firstCol + blockCols);
    const size_t cells = static_cast<size_t>(blockEnd - firstCol) * dataRows;
    if (twoCores) {
      ComputeOnTwoThreads(computeRange, firstCol, cells);
    } else {
      computeRange(firstCol, 0, cells);
    }
    onBlock(firstCol, blockEnd, std::span<const CellResult>(blockCells.data(), cells));
  }
}

}  // namespace

LevelFlightPoint ComputeTableCell(const AircraftRecord& aircraft, double weight,
                                  const StoreCounts& counts, DisplayMode mode, int col, int row,
                                  ResultGrid& msfg1, ResultGrid& msfg2) {
  msfg1.SetCol(0);
  msfg1.SetRow(row);
  const HeaderAltitude altitude = ReadAltitude(msfg1.Text());
  msfg1.SetCol(col);
  msfg1.SetRow(0);
  const HeaderSpeed speed = ReadSpeed(msfg1.Text());
  LevelFlightPoint point;
  point.failure = altitude.failure != CellFailure::None ? altitude.failure : speed.failure;
  if (!point.Failed()) {
    point = LevelFlightModel(aircraft).Evaluate(weight, counts, speed.cas, altitude.altitude);
  }
  const CellResult cell = CellResultOf(point, mode);
  WriteCell(MakeCellTexts(cell, mode), col, row, msfg1, msfg2);
  point.failure = cell.failure;
  return point;
}

SweepRefusal CheckSweep(const SweepInputs& inputs, const ResultGrid& msfg1,
                        const ResultGrid& msfg2) {
  const SweepRefusal refusal = Guard(inputs);
  if (refusal != SweepRefusal::None) return refusal;
  if (msfg1.Rows() != msfg2.Rows() || msfg1.Cols() != msfg2.Cols()) {
    return SweepRefusal::GridsDiffer;
  }
  return SweepRefusal::None;
}

// The cells come from SweepBlocks; their texts are made on the thread that computed them, then
// written in sweep order by this thread alone, so the grids end exactly as a cell-by-cell sweep
// leaves them, current cell included.
SweepOutcome ComputeTable(const AircraftRecord& aircraft, const SweepInputs& inputs,
                          ResultGrid& msfg1, ResultGrid& msfg2, const SweepProgress& progress) {
  SweepOutcome outcome;
  outcome.refusal = CheckSweep(inputs, msfg1, msfg2);
  if (!outcome.Started()) return outcome;
  const std::shared_ptr<TableComputation> computation = StartComputation(aircraft, inputs, msfg1);
  const TableComputation& c = *computation;
  const int speedCount = c.SpeedCount();
  const int dataRows = c.AltitudeCount();
  // Filled block by block in sweep order: each page of a large table is written once.
  computation->cells.reserve(static_cast<size_t>(speedCount) * dataRows);
  AdviseLargeBuffer(computation->cells.data(), computation->cells.capacity() * sizeof(CellResult));
  std::vector<CellTexts> block(static_cast<size_t>(BlockColumns(c)) * std::max(dataRows, 0));
  const auto makeTexts = [&](int, size_t first, size_t last,
                             const std::vector<CellResult>& blockCells) {
    for (size_t i = first; i < last; ++i)
      block[i] = MakeCellTexts(blockCells[i], c.mode);
  };
  int percentShown = 0;
  const auto writeBlock = [&](int firstCol, int blockEnd, std::span<const CellResult> cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
      const int col = firstCol + 1 + static_cast<int>(i / dataRows);
      const int row = 1 + static_cast<int>(i % dataRows);
      WriteCell(block[i], col, row, msfg1, msfg2);
      ++outcome.totals.cellsWritten;
      const CellFailure failure = cells[i].failure;
      if (failure != CellFailure::None) NoteFailure(failure, col, row, msfg1, outcome.totals);
    }
    computation->cells.insert(computation->cells.end(), cells.begin(), cells.end());
    const int percent =
        static_cast<int>(static_cast<long long>(blockEnd) * kMaxProgressCalls / speedCount);
    if (progress && percent > percentShown) {
      percentShown = percent;
      progress(static_cast<double>(blockEnd) / speedCount);
    }
  };
  SweepBlocks(c, makeTexts, writeBlock);
  computation->totals = outcome.totals;
  outcome.computation = computation;
  return outcome;
}

ComputationStart StartTableComputation(const AircraftRecord& aircraft, const SweepInputs& inputs,
                                       const std::vector<std::string>& speedHeaders,
                                       const std::vector<std::string>& altitudeHeaders) {
  ComputationStart start;
  start.refusal = Guard(inputs);
  if (start.refusal != SweepRefusal::None) return start;
  start.computation = NewComputation(aircraft, inputs);
  for (const std::string& text : altitudeHeaders)
    AddAltitudeHeader(*start.computation, text);
  for (const std::string& text : speedHeaders)
    AddSpeedHeader(*start.computation, text);
  return start;
}

void SweepCells(const TableComputation& computation, const CellSink& sink) {
  const size_t dataRows = computation.altitudes.size();
  const auto toSink = [&](int firstCol, size_t first, size_t last,
                          const std::vector<CellResult>& blockCells) {
    sink(static_cast<size_t>(firstCol) * dataRows + first,
         std::span<const CellResult>(blockCells.data() + first, last - first));
  };
  SweepBlocks(computation, toSink, [](int, int, std::span<const CellResult>) {});
}

}  // namespace tz9
