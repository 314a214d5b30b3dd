// SPDX-License-Identifier: GPL-3.0-or-later
// The loadout: the six external store kinds and the weight and fuel figures that follow from
// the counts typed into the window. Figures travel as texts, as they do through the window's
// fields: each step reads the previous step's text back, so the 15-digit rounding of the general
// number format falls between the steps.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tz9 {

struct StoreKind {
  const char* store;       // "AIM120"
  double weightLb;         // weight of one store
  double fuelLb;           // fuel carried by one store
  double dragCoefficient;  // the two drag constants stay separate: the drag is formed as
  double dragMultiplier;   // ((count x q) x coefficient) x multiplier
};

inline constexpr int kStoreKinds = 6;

// Rows in the order of the stores-weight sum and of the stores drag.
inline constexpr std::array<StoreKind, kStoreKinds> StoreTable = {{
    {"AIM120", 150, 0, 0.01, 0.2},
    {"AGM65B", 225, 0, 0.02, 0.4},
    {"MK82", 500, 0, 0.165, 2},
    {"CBU-52", 800, 0, 0.165, 4},
    {"ALQ131", 100, 0, 0.02, 0.4},
    {"370USG", 2405, 2405, 0.2, 1},
}};

// The StoreTable row of a store by its name ("370USG" is row 5); kStoreKinds for no such store.
constexpr int StoreRowOf(std::string_view store) {
  for (int row = 0; row < kStoreKinds; ++row) {
    if (StoreTable[static_cast<size_t>(row)].store == store) return row;
  }
  return kStoreKinds;
}
// The kinds' short names in StoreTable order, as the command line's options and the exports
// call them (--aa, "aa": 2).
inline constexpr std::array<std::string_view, kStoreKinds> kStoreShortNames = {
    "aa", "ag", "bombs", "cluster", "ecm", "tanks"};

// The count texts in StoreTable order: AA missiles, AG missiles, bombs, cluster, ECM, tanks.
using StoreCountTexts = std::array<std::string_view, kStoreKinds>;

// The same counts as texts of their own: what the window reads from its count fields and the
// command-line tool from --stores.
using StoreCountStrings = std::array<std::string, kStoreKinds>;

// Views of counts, valid while counts lives.
StoreCountTexts ViewsOf(const StoreCountStrings& counts);

// The five texts the loadout writes.
struct LoadoutTexts {
  std::string ExtraWeight;   // stores weight, lb (hidden field)
  std::string ExtFuel;       // external fuel, lb
  std::string TotalFuel;     // fuel on board, lb
  std::string ActualWeight;  // lb
  std::string CompWeight;    // computing weight, lb, rounded down to a multiple of 100
};

// A figure that leaves the double range has no number to show; the field says so, and every
// figure computed from it says so too (a later "Compute Table" then refuses the weight).
inline constexpr std::string_view kOverflowText = "overflow";

LoadoutTexts ComputeLoadout(const StoreCountTexts& counts, std::string_view zeroFuelWeight,
                            std::string_view maxInternalFuel);

// Which figure of the loadout first left the double range, so that a refusal can say what to
// change. Later figures carry the word on, so the first one written as kOverflowText is the cause.
enum class LoadoutOverflow : std::uint8_t {
  None,
  StoreCounts,   // stores weight or external fuel: the counts are too large
  InternalFuel,  // fuel on board: the file's internal fuel plus the tanks' fuel
  Weight,        // actual or computing weight: zero fuel weight, stores and fuel together
};

LoadoutOverflow FindLoadoutOverflow(const LoadoutTexts& texts);

}  // namespace tz9
