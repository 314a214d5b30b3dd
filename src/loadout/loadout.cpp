// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadout/loadout.h"

#include <cmath>
#include <optional>
#include <string>

#include "common/number_text.h"

namespace tz9 {
namespace {

// A figure as one step leaves it for the next: a number, or nothing when it left the double
// range (written as kOverflowText, and carried on as nothing by every later step).
using Figure = std::optional<double>;

std::string WriteFigure(const Figure& figure) {
  if (!figure || !std::isfinite(*figure)) return std::string(kOverflowText);
  return FormatGeneral(*figure);
}

// Reads a figure back from the text an earlier step wrote, as the window's field holds it.
Figure ReadFigure(std::string_view text) {
  if (text == kOverflowText) return std::nullopt;
  return ParseLeadingNumber(text);
}

double Count(const StoreCountTexts& counts, int row) {
  return ParseLeadingNumber(counts[row]);
}

// Step 1: ((((AA x 150 + AG x 225) + bombs x 500) + cluster x 800) + ECM x 100) + tanks x 2405.
double StoresWeight(const StoreCountTexts& counts) {
  double sum =
      Count(counts, 0) * StoreTable[0].weightLb + Count(counts, 1) * StoreTable[1].weightLb;
  for (int row = 2; row < kStoreKinds; ++row) {
    sum = sum + Count(counts, row) * StoreTable[row].weightLb;
  }
  return sum;
}

Figure Sum(const Figure& a, const Figure& b) {
  if (!a || !b) return std::nullopt;
  return *a + *b;
}

}  // namespace

StoreCountTexts ViewsOf(const StoreCountStrings& counts) {
  StoreCountTexts views;
  for (size_t row = 0; row < views.size(); ++row)
    views[row] = counts[row];
  return views;
}

LoadoutTexts ComputeLoadout(const StoreCountTexts& counts, std::string_view zeroFuelWeight,
                            std::string_view maxInternalFuel) {
  constexpr int kTankRow = 5;
  LoadoutTexts texts;
  texts.ExtraWeight = WriteFigure(StoresWeight(counts));
  texts.ExtFuel = WriteFigure(Count(counts, kTankRow) * StoreTable[kTankRow].fuelLb);

  const Figure totalFuel = Sum(ReadFigure(texts.ExtFuel), ParseLeadingNumber(maxInternalFuel));
  texts.TotalFuel = WriteFigure(totalFuel);

  const Figure actualWeight =
      Sum(Sum(ParseLeadingNumber(zeroFuelWeight), ReadFigure(texts.ExtraWeight)),
          ReadFigure(texts.TotalFuel));
  texts.ActualWeight = WriteFigure(actualWeight);

  const Figure actual = ReadFigure(texts.ActualWeight);
  const Figure compWeight = actual ? Figure(Floor(*actual / 100) * 100) : std::nullopt;
  texts.CompWeight = WriteFigure(compWeight);
  return texts;
}

LoadoutOverflow FindLoadoutOverflow(const LoadoutTexts& texts) {
  if (texts.ExtraWeight == kOverflowText || texts.ExtFuel == kOverflowText)
    return LoadoutOverflow::StoreCounts;
  if (texts.TotalFuel == kOverflowText) return LoadoutOverflow::InternalFuel;
  if (texts.ActualWeight == kOverflowText || texts.CompWeight == kOverflowText)
    return LoadoutOverflow::Weight;
  return LoadoutOverflow::None;
}

}  // namespace tz9
