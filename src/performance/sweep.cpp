#include "performance/sweep.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "common/number_text.h"

namespace tz9 {
namespace {

constexpr std::string_view kNoSteadyFlightText = "------";
constexpr size_t kLbsPerNmChars = 5;
constexpr int kMaxProgressCalls = 100;

// What one cell shows in the two grids. The second grid's background is written only where the
// mode says so; elsewhere the cell keeps the colour it had.
struct CellTexts {
  Colour colour1 = RegimeColour::White;
  std::string text1;
  bool writesColour2 = true;
  Colour colour2 = RegimeColour::White;
  std::string text2;
};

Colour RegimeColourOf(const LevelFlightPoint& point) {
  if (point.regime == PowerRegime::Military) {
    return point.supersonic ? RegimeColour::Green : RegimeColour::White;
  }
  return point.supersonic ? RegimeColour::Red : RegimeColour::Yellow;
}

// The general form cut to its first five characters ("6.3199999591666" shows as "6.319"). An
// exponent form is left whole: cut, "1.5e-05" would read as 1.5.
std::string CutToFive(std::string text) {
  if (text.find('e') == std::string::npos && text.size() > kLbsPerNmChars) {
    text.resize(kLbsPerNmChars);
  }
  return text;
}

// The second grid's number for this mode, or a failure cause when it has no finite form.
std::string_view SecondGridText(const LevelFlightPoint& point, DisplayMode mode, bool steady,
                                std::string& text) {
  double value = 0;
  if (mode == DisplayMode::LbsPerNm) {
    if (!steady) {
      text = kNoSteadyFlightText;
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
  text = mode == DisplayMode::LbsPerNm ? CutToFive(FormatGeneral(value)) : FormatGeneral(value);
  return {};
}

// Fills texts for a computed point; returns a failure cause when the point cannot be shown.
std::string_view MakeCellTexts(const LevelFlightPoint& point, DisplayMode mode, CellTexts& texts) {
  if (point.Failed()) return point.failure;
  const bool steady = point.regime != PowerRegime::NoSteadyFlight;
  if (steady) {
    if (!std::isfinite(point.fuelFlow)) return "a fuel flow beyond the range of numbers";
    texts.colour1 = RegimeColourOf(point);
    texts.text1 = FormatGeneral(point.fuelFlow);
    texts.writesColour2 = mode == DisplayMode::LbsPerNm;
    texts.colour2 = texts.colour1;
  } else {
    texts.text1 = kNoSteadyFlightText;
  }
  return SecondGridText(point, mode, steady, texts.text2);
}

CellTexts FailedCellTexts() {
  CellTexts texts;
  texts.text1 = kNoSteadyFlightText;
  texts.text2 = kNoSteadyFlightText;
  return texts;
}

// Per cell: first grid background then text, second grid background (where written) then text.
void WriteCell(const CellTexts& texts, int col, int row, ResultGrid& msfg1, ResultGrid& msfg2) {
  msfg1.SetRow(row);
  msfg1.SetCol(col);
  msfg1.SetCellBackColor(texts.colour1);
  msfg1.SetText(texts.text1);
  msfg2.SetRow(row);
  msfg2.SetCol(col);
  if (texts.writesColour2) msfg2.SetCellBackColor(texts.colour2);
  msfg2.SetText(texts.text2);
}

LevelFlightPoint FailedPoint(std::string_view cause) {
  LevelFlightPoint point;
  point.failure = cause;
  return point;
}

// Evaluates the cell from its header texts: the altitude header without its " ft", held in
// single precision, and the whole speed header.
LevelFlightPoint EvaluateFromHeaders(const AircraftRecord& aircraft, double weight,
                                     const StoreCounts& counts, std::string_view altitudeText,
                                     std::string_view speedText) {
  if (altitudeText.size() < 3) return FailedPoint("an altitude header shorter than \" ft\"");
  const double altitudeFeet = ParseLeadingNumber(altitudeText.substr(0, altitudeText.size() - 3));
  if (!(std::fabs(altitudeFeet) <= FLT_MAX)) {
    return FailedPoint("an altitude beyond the single-precision range");
  }
  const double casKnots = ParseLeadingNumber(speedText);
  if (!std::isfinite(casKnots)) return FailedPoint("a speed beyond the range of numbers");
  return EvaluateLevelFlight(aircraft, weight, counts, casKnots, static_cast<float>(altitudeFeet));
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

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

void NoteFailure(const LevelFlightPoint& point, int col, int row, const ResultGrid& msfg1,
                 SweepOutcome& outcome) {
  if (outcome.cellsFailed++ > 0) return;
  outcome.firstFailedSpeed = std::string(msfg1.TextAt(0, col));
  outcome.firstFailedAltitude = std::string(msfg1.TextAt(row, 0));
  outcome.firstFailureCause = std::string(point.failure);
}

std::string CellsText(long long count) {
  return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

}  // namespace

LevelFlightPoint ComputeTableCell(const AircraftRecord& aircraft, double weight,
                                  const StoreCounts& counts, DisplayMode mode, int col, int row,
                                  ResultGrid& msfg1, ResultGrid& msfg2) {
  msfg1.SetCol(0);
  msfg1.SetRow(row);
  const std::string_view altitudeText = msfg1.TextAt(row, 0);
  msfg1.SetCol(col);
  msfg1.SetRow(0);
  const std::string_view speedText = msfg1.TextAt(0, col);
  LevelFlightPoint point = EvaluateFromHeaders(aircraft, weight, counts, altitudeText, speedText);
  CellTexts texts;
  const std::string_view failure = MakeCellTexts(point, mode, texts);
  if (!failure.empty()) {
    point.failure = failure;
    texts = FailedCellTexts();
  }
  WriteCell(texts, col, row, msfg1, msfg2);
  return point;
}

// Column by column, each column top down. A cell depends on nothing but its headers and the
// inputs, so the columns could be shared out between threads with the same results.
SweepOutcome ComputeTable(const AircraftRecord& aircraft, const SweepInputs& inputs,
                          ResultGrid& msfg1, ResultGrid& msfg2, const SweepProgress& progress) {
  SweepOutcome outcome;
  outcome.refusal = Guard(inputs);
  if (outcome.refusal == SweepRefusal::None &&
      (msfg1.Rows() != msfg2.Rows() || msfg1.Cols() != msfg2.Cols())) {
    outcome.refusal = SweepRefusal::GridsDiffer;
  }
  if (!outcome.Started()) return outcome;
  const double weight = ParseLeadingNumber(inputs.compWeight);
  const StoreCounts counts = ParseCounts(inputs.counts);
  const int cols = msfg1.Cols();
  int percentShown = 0;
  for (int col = 1; col <= cols - 1; ++col) {
    const int rows = msfg1.Rows();
    for (int row = 1; row <= rows - 1; ++row) {
      const LevelFlightPoint point =
          ComputeTableCell(aircraft, weight, counts, inputs.mode, col, row, msfg1, msfg2);
      ++outcome.cellsWritten;
      if (point.Failed()) NoteFailure(point, col, row, msfg1, outcome);
    }
    const int percent =
        static_cast<int>(static_cast<long long>(col) * kMaxProgressCalls / (cols - 1));
    if (progress && percent > percentShown) {
      percentShown = percent;
      progress(static_cast<double>(col) / (cols - 1));
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
               Trimmed(firstFailedSpeed) + " kt, " + Trimmed(firstFailedAltitude) + ": " +
               firstFailureCause;
  }
  if (message.back() != '.') message += '.';
  return message;
}

}  // namespace tz9
