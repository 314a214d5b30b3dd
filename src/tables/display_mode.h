// SPDX-License-Identifier: GPL-3.0-or-later
// What the second grid shows: fuel per nautical mile, true airspeed or Mach number. One table
// holds everything that differs between the modes; code that must branch on a mode switches on
// the enum, so a new mode is one enum value plus one table entry, and the compiler points at the
// switches that must learn it.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tz9 {

enum class DisplayMode { LbsPerNm, Tas, MachNumber };

struct DisplayModeInfo {
  DisplayMode mode;
  std::string_view optionCaption;  // the window's option button
  std::string_view cliName;        // the command-line tool's --second value
  std::string_view gridCaption;    // the second grid's caption in printed output
  std::string_view quantity;       // what a cell of the second grid shows, in words
  // A steady cell writes its regime's colour in the second grid too; otherwise the second grid
  // keeps the background an earlier run left there (a cell without steady flight is always
  // written white).
  bool paintsSteadyCells;
};

inline constexpr std::array<DisplayModeInfo, 3> kDisplayModes = {{
    {DisplayMode::LbsPerNm, "Lbs / NM", "lbs-nm", "Lbs/NM", "fuel per nautical mile (lb/NM)", true},
    {DisplayMode::Tas, "TAS", "tas", "TAS (kt)", "true airspeed (kt)", false},
    {DisplayMode::MachNumber, "Mach Number", "mach", "Mach Number", "Mach number", false},
}};

constexpr const DisplayModeInfo& InfoOf(DisplayMode mode) {
  for (const DisplayModeInfo& info : kDisplayModes) {
    if (info.mode == mode) return info;
  }
  return kDisplayModes[0];  // every mode has its entry; a test checks it
}

inline std::optional<DisplayMode> DisplayModeNamed(std::string_view cliName) {
  for (const DisplayModeInfo& info : kDisplayModes) {
    if (info.cliName == cliName) return info.mode;
  }
  return std::nullopt;
}

}  // namespace tz9
