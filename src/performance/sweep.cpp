// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/sweep.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

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

// A cell's evaluation and texts, handed from the computing threads to the writing one.
struct CellOutcome {
  CellTexts texts;
  std::string_view failure;  // empty when the cell was computed
};

Colour RegimeColourOf(const LevelFlightPoint& point) {
  if (point.regime == PowerRegime::Military) {
    return point.supersonic ? RegimeColour::Green : RegimeColour::White;
  }
  return point.supersonic ? RegimeColour::Red : RegimeColour::Yellow;
}

// The general form cut to its first five characters ("6.3199999591666" shows as "6.319"). An
// exponent form is left whole: cut, "1.5e-05" would read as 1.5.
void CutToFive(ShortText& text) {
  const std::string_view view = text.View();
  if (view.find('e') == std::string_view::npos && text.length > static_cast<int>(kLbsPerNmChars)) {
    text.length = static_cast<int>(kLbsPerNmChars);
  }
}

// The second grid's number for this mode, or a failure cause when it has no finite form.
std::string_view SecondGridText(const LevelFlightPoint& point, DisplayMode mode, bool steady,
                                ShortText& text) {
  double value = 0;
  if (mode == DisplayMode::LbsPerNm) {
    if (!steady) {
      text.Assign(kNoSteadyFlightText);
      return {};
    }
    if (point.tas == 0) return "division by zero in the fuel per nautical mile";
    value = point.fuelFlow / point.tas;
  } else if (mode == DisplayMode::Tas) {
    value = Floor(point.tas);
  } else {
    value = Floor(point.mach * 100) / 100;
  }
  if (!std::isfinite(value)) return "a value beyond the range of numbers";
  text.AssignNumber(value);
  if (mode == DisplayMode::LbsPerNm) CutToFive(text);
  return {};
}

// Fills texts for a computed point; returns a failure cause when the point cannot be shown.
std::string_view MakeCellTexts(const LevelFlightPoint& point, DisplayMode mode, CellTexts& texts) {
  if (point.Failed()) return point.failure;
  const bool steady = point.regime != PowerRegime::NoSteadyFlight;
  if (steady) {
    if (!std::isfinite(point.fuelFlow)) return "a fuel flow beyond the range of numbers";
    texts.colour1 = RegimeColourOf(point);
    texts.text1.AssignNumber(point.fuelFlow);
    texts.writesColour2 = mode == DisplayMode::LbsPerNm;
    texts.colour2 = texts.colour1;
  } else {
    texts.text1.Assign(kNoSteadyFlightText);
  }
  return SecondGridText(point, mode, steady, texts.text2);
}

CellTexts FailedCellTexts() {
  CellTexts texts;
  texts.text1.Assign(kNoSteadyFlightText);
  texts.text2.Assign(kNoSteadyFlightText);
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

// A row's altitude from its header, without the " ft", held in single precision; with the
// atmosphere terms that follow from it alone.
struct RowInput {
  AltitudeTerms terms;
  RowThrust thrust;  // both thrust tables cut at the row's altitude, made by a sweep
  std::string_view failure;
};

RowInput ReadAltitude(std::string_view altitudeText) {
  RowInput input;
  if (altitudeText.size() < 3) {
    input.failure = "an altitude header shorter than \" ft\"";
    return input;
  }
  const double altitudeFeet = ParseLeadingNumber(altitudeText.substr(0, altitudeText.size() - 3));
  if (!(std::fabs(altitudeFeet) <= FLT_MAX)) {
    input.failure = "an altitude beyond the single-precision range";
    return input;
  }
  input.terms = ComputeAltitudeTerms(static_cast<float>(altitudeFeet));
  return input;
}

// A column's calibrated airspeed from its whole header, with its atmosphere terms.
struct ColInput {
  SpeedTerms terms;
  std::string_view failure;
};

ColInput ReadSpeed(std::string_view speedText) {
  ColInput input;
  const double casKnots = ParseLeadingNumber(speedText);
  if (!std::isfinite(casKnots)) {
    input.failure = "a speed beyond the range of numbers";
    return input;
  }
  input.terms = ComputeSpeedTerms(casKnots);
  return input;
}

// Everything one cell needs besides its row and column. A sweep also brings its aerodynamic
// row-pair facts and each row's thrust cuts; a single cell is evaluated on its own.
struct SweepContext {
  const AircraftRecord& aircraft;
  double weight;
  StoreCounts counts;
  DisplayMode mode;
  const AeroRowFacts* aero;  // a sweep's row-pair facts; none for a single cell
};

CellOutcome ComputeCellOutcome(const SweepContext& context, const RowInput& row,
                               const ColInput& col, LevelFlightPoint* evaluated = nullptr) {
  CellOutcome outcome;
  std::string_view failure = !row.failure.empty() ? row.failure : col.failure;
  if (failure.empty()) {
    const LevelFlightPoint point =
        context.aero != nullptr
            ? EvaluateLevelFlight(context.aircraft, context.weight, context.counts, col.terms,
                                  row.terms, row.thrust, *context.aero)
            : EvaluateLevelFlight(context.aircraft, context.weight, context.counts, col.terms.cas,
                                  row.terms.altitude);
    failure = MakeCellTexts(point, context.mode, outcome.texts);
    if (evaluated != nullptr) *evaluated = point;
  }
  if (!failure.empty()) {
    outcome.failure = failure;
    outcome.texts = FailedCellTexts();
  }
  return outcome;
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

void NoteFailure(std::string_view cause, int col, int row, const ResultGrid& msfg1,
                 SweepOutcome& outcome) {
  if (outcome.cellsFailed++ > 0) return;
  outcome.firstFailedSpeed = std::string(msfg1.TextAt(0, col));
  outcome.firstFailedAltitude = std::string(msfg1.TextAt(row, 0));
  outcome.firstFailureCause = std::string(cause);
}

std::string CellsText(long long count) {
  return std::to_string(count) + (count == 1 ? " cell" : " cells");
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

}  // namespace

LevelFlightPoint ComputeTableCell(const AircraftRecord& aircraft, double weight,
                                  const StoreCounts& counts, DisplayMode mode, int col, int row,
                                  ResultGrid& msfg1, ResultGrid& msfg2) {
  msfg1.SetCol(0);
  msfg1.SetRow(row);
  const RowInput rowInput = ReadAltitude(msfg1.Text());
  msfg1.SetCol(col);
  msfg1.SetRow(0);
  const ColInput colInput = ReadSpeed(msfg1.Text());
  const SweepContext context{aircraft, weight, counts, mode, nullptr};
  LevelFlightPoint point;
  const CellOutcome outcome = ComputeCellOutcome(context, rowInput, colInput, &point);
  WriteCell(outcome.texts, col, row, msfg1, msfg2);
  point.failure = outcome.failure;
  return point;
}

// Column by column, each column top down. The headers cannot change during a sweep, so each
// row's altitude and each column's speed are read once. The cells of a block of columns are
// computed first, on both cores when the table is large (a cell depends on nothing but its
// headers and the inputs), then written in sweep order by this thread alone, so the grids end
// exactly as a cell-by-cell sweep leaves them, current cell included.
SweepOutcome ComputeTable(const AircraftRecord& aircraft, const SweepInputs& inputs,
                          ResultGrid& msfg1, ResultGrid& msfg2, const SweepProgress& progress) {
  SweepOutcome outcome;
  outcome.refusal = Guard(inputs);
  if (outcome.refusal == SweepRefusal::None &&
      (msfg1.Rows() != msfg2.Rows() || msfg1.Cols() != msfg2.Cols())) {
    outcome.refusal = SweepRefusal::GridsDiffer;
  }
  if (!outcome.Started()) return outcome;
  const AeroRowFacts aero = PrepareAeroRowFacts(aircraft);
  const SweepContext context{aircraft, ParseLeadingNumber(inputs.compWeight),
                             ParseCounts(inputs.counts), inputs.mode, &aero};
  const int cols = msfg1.Cols();
  const int rows = msfg1.Rows();
  if (cols < 2 || rows < 2) return outcome;

  std::vector<RowInput> rowInputs(static_cast<size_t>(rows));
  for (int row = 1; row < rows; ++row) {
    RowInput& input = rowInputs[row];
    input = ReadAltitude(msfg1.TextAt(row, 0));
    if (input.failure.empty()) input.thrust = PrepareRowThrust(aircraft, input.terms.altitude);
  }
  std::vector<ColInput> colInputs(static_cast<size_t>(cols));
  for (int col = 1; col < cols; ++col)
    colInputs[col] = ReadSpeed(msfg1.TextAt(0, col));

  const int dataRows = rows - 1;
  const bool twoCores = std::thread::hardware_concurrency() >= 2 &&
                        static_cast<long long>(dataRows) * (cols - 1) >= kParallelCells;
  // Blocks small enough for a hundred progress reports and for the cache.
  const int blockCols = std::max(
      1, std::min(kBlockCells / dataRows, (cols - 1 + kMaxProgressCalls - 1) / kMaxProgressCalls));
  std::vector<CellOutcome> block(static_cast<size_t>(blockCols) * dataRows);
  // Cells [first, last) of the block, by index col * dataRows + row.
  auto computeRange = [&](int firstCol, size_t first, size_t last) {
    for (size_t i = first; i < last; ++i) {
      const int col = firstCol + static_cast<int>(i / dataRows);
      const int row = 1 + static_cast<int>(i % dataRows);
      block[i] = ComputeCellOutcome(context, rowInputs[row], colInputs[col]);
    }
  };

  int percentShown = 0;
  for (int firstCol = 1; firstCol < cols; firstCol += blockCols) {
    const int blockEnd = std::min(cols, firstCol + blockCols);
    const size_t cells = static_cast<size_t>(blockEnd - firstCol) * dataRows;
    if (twoCores) {
      ComputeOnTwoThreads(computeRange, firstCol, cells);
    } else {
      computeRange(firstCol, 0, cells);
    }
    for (size_t i = 0; i < cells; ++i) {
      const int col = firstCol + static_cast<int>(i / dataRows);
      const int row = 1 + static_cast<int>(i % dataRows);
      WriteCell(block[i].texts, col, row, msfg1, msfg2);
      ++outcome.cellsWritten;
      if (!block[i].failure.empty()) NoteFailure(block[i].failure, col, row, msfg1, outcome);
    }
    const int percent =
        static_cast<int>(static_cast<long long>(blockEnd - 1) * kMaxProgressCalls / (cols - 1));
    if (progress && percent > percentShown) {
      percentShown = percent;
      progress(static_cast<double>(blockEnd - 1) / (cols - 1));
    }
  }
  return outcome;
}

std::string SweepOutcome::Message() const {
  switch (refusal) {
    case SweepRefusal::NoAircraft:
      return "Compute Table needs an aircraft: load a file first.";
    case SweepRefusal::WeightNotNumber:
      return "The computing weight is not a number.";
    case SweepRefusal::WeightBelowZfw:
      return "The computing weight is below the zero fuel weight.";
    case SweepRefusal::GridsDiffer:
      return "The two grids differ in size: press Create Table first.";
    case SweepRefusal::None:
      break;
  }
  std::string message = "Computed " + CellsText(cellsWritten);
  if (cellsFailed > 0) {
    message += "; " + std::to_string(cellsFailed) + " could not be computed, the first at " +
               std::string(TrimBlanks(firstFailedSpeed)) + " kt, " +
               std::string(TrimBlanks(firstFailedAltitude)) + ": " + firstFailureCause;
  }
  if (message.back() != '.') message += '.';
  return message;
}

}  // namespace tz9
