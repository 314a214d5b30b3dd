// SPDX-License-Identifier: GPL-3.0-or-later
// The tables as CSV, the one writer behind the command-line tool's --format csv and the window's
// export: one line per data cell in the order the sweep computed them, and, for a file the
// window writes, "#" lines above them saying what was computed.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "loadout/loadout.h"
#include "tables/display_mode.h"
#include "tables/result_grid.h"
#include "tables/staleness.h"

namespace tz9 {

inline constexpr std::string_view kCsvHeader =
    "altitude_ft,speed_kt,fuel_flow,fuel_flow_color,second,second_color";

// "white", "yellow", "green", "red"; "default" for a background never written; "0xBBGGRR" for
// any other colour.
std::string ColourName(std::optional<Colour> colour);

// The text as one CSV field: quoted, with doubled quotes, when it holds a comma, quote or line
// feed.
void CsvField(std::string_view text, std::ostream& out);

// The altitude header as the CSV writes it: without its " ft", blanks trimmed (" 5000 ft" is
// "5000").
std::string_view AltitudeField(std::string_view header);

// kCsvHeader, then one line per data cell, column by column, each column top down.
void WriteCsvLines(const ResultGrid& msfg1, const ResultGrid& msfg2, std::ostream& out);

// What the comment lines above an exported table say.
struct CsvExportFacts {
  std::string program;       // "Strakon TZ9 Performances 0.3.0"
  std::string aircraftFile;  // the file name as shown
  std::string aircraftName;
  std::string computingWeight;                       // lb, the text computed with
  std::array<std::string, kStoreKinds> storeCounts;  // the texts computed with
  DisplayMode mode = DisplayMode::LbsPerNm;
  Staleness staleness;  // what the computation no longer matches in the window
};

// "current", or "out of date: " and what changed since the table was computed.
std::string StalenessText(const Staleness& staleness);

// One "# name: value" line per fact; a value's line breaks become blanks.
void WriteCsvComments(const CsvExportFacts& facts, std::ostream& out);

}  // namespace tz9
