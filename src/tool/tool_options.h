// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of tz9perf-table: the aircraft file, the loadout, the weight, the two axes,
// what the second grid shows, how the grids are printed and where.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "loadout/loadout.h"
#include "tables/display_mode.h"

namespace tz9 {

enum class OutputFormat { Grid, Csv, Json };

struct ToolOptions {
  std::string aircraftPath;
  StoreCountStrings storeCounts = {"0", "0", "0", "0", "0", "0"};  // StoreTable order
  std::optional<std::string> weightLb;                   // replaces the proposed computing weight
  std::optional<std::array<std::string, 5>> speedRange;  // Min, Step1, Step, Step2, Max (kt)
  std::optional<std::array<std::string, 5>> altitudeRange;  // the same in feet
  DisplayMode mode = DisplayMode::LbsPerNm;
  OutputFormat format = OutputFormat::Grid;
  bool summary = false;             // the best speeds of every altitude: CSV, or a JSON member
  bool mission = false;             // the mission fuel of every altitude: CSV, or a JSON member
  std::optional<double> reserveLb;  // with mission only; each >= 0
  std::optional<double> cruiseCasKnots;
  std::optional<double> bingoDistanceNm;
  bool climb = false;                  // climb and turn of every altitude: CSV, or a JSON member
  std::optional<double> emAltitudeFt;  // the E-M scan of one altitude: CSV, or a JSON member
  std::optional<double> gLimit;        // with climb or em only; 1..15
  std::optional<std::array<std::string, 2>> explainPoint;  // CAS (kt), altitude (ft): one cell
  // The baseline of --compare and --compare-cells; each part not given is the current one's.
  std::optional<std::string> baselinePath;
  std::array<std::optional<std::string>, kStoreKinds> baselineStoreCounts;  // StoreTable order
  std::optional<std::string> baselineWeightLb;
  bool compare = false;       // both sides' best speeds of every altitude: CSV, or a JSON member
  bool compareCells = false;  // both sides' fuel flow of every cell: CSV, or a JSON member
  std::optional<std::string> outputPath;  // the file to write instead of stdout
  bool help = false;
  bool version = false;
};

struct ParsedArguments {
  ToolOptions options;
  std::string error;  // non-empty: a usage error, in words
};

// args excludes the program name.
ParsedArguments ParseToolArguments(const std::vector<std::string>& args);

std::string ToolUsage();

}  // namespace tz9
