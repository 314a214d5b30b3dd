// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/tool_options.h"

#include <string_view>

#include "common/number_text.h"
#include "performance/mission_fuel.h"
#include "tool/tool_messages.h"

namespace tz9 {
namespace {

std::vector<std::string> SplitOnCommas(std::string_view text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    parts.emplace_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

// Exactly n numbers separated by commas, each passing the numeric-text test.
template <size_t N>
std::optional<std::array<std::string, N>> NumberList(std::string_view text) {
  const std::vector<std::string> parts = SplitOnCommas(text);
  if (parts.size() != N) return std::nullopt;
  std::array<std::string, N> numbers;
  for (size_t i = 0; i < N; ++i) {
    if (!IsNumericText(parts[i])) return std::nullopt;
    numbers[i] = parts[i];
  }
  return numbers;
}

std::optional<OutputFormat> FormatNamed(std::string_view name) {
  if (name == "grid") return OutputFormat::Grid;
  if (name == "csv") return OutputFormat::Csv;
  return std::nullopt;
}

// Applies one option with its value; returns a usage error or "".
std::string ApplyOption(std::string_view name, std::string_view value, ToolOptions& options) {
  if (name == "--stores") {
    static_assert(kStoreKinds == 6, "the usage and this message say six");
    const auto counts = NumberList<kStoreKinds>(value);
    if (!counts) return "--stores needs six numbers: " + StorePositionList();
    options.storeCounts = *counts;
  } else if (name == "--weight") {
    if (!IsNumericText(value)) return "--weight needs a number of pounds";
    options.weightLb = std::string(value);
  } else if (name == "--speed" || name == "--altitude") {
    const auto range = NumberList<5>(value);
    if (!range) return std::string(name) + " needs five numbers: " + RangePositionList();
    (name == "--speed" ? options.speedRange : options.altitudeRange) = *range;
  } else if (name == "--second") {
    const auto mode = DisplayModeNamed(value);
    if (!mode) return "--second takes lbs-nm, tas or mach";
    options.mode = *mode;
  } else if (name == "--reserve" || name == "--cruise-cas" || name == "--bingo-distance") {
    const auto figure = MissionFigure(value);
    if (!figure) return std::string(name) + " needs a number of 0 or more";
    (name == "--reserve"      ? options.reserveLb
     : name == "--cruise-cas" ? options.cruiseCasKnots
                              : options.bingoDistanceNm) = *figure;
  } else if (name == "--summary" || name == "--mission") {
    return std::string(name) + " takes no value";
  } else if (name == "--format") {
    const auto format = FormatNamed(value);
    if (!format) return "--format takes grid or csv";
    options.format = *format;
  } else if (name == "--explain") {
    const auto point = NumberList<2>(value);
    if (!point) return "--explain needs two numbers: CAS,ALT";
    options.explainPoint = *point;
  } else {
    return "unknown option " + std::string(name);
  }
  return {};
}

// The options that only make sense together, or not together.
std::string CombinationError(const ToolOptions& options) {
  if (!options.mission &&
      (options.reserveLb || options.cruiseCasKnots || options.bingoDistanceNm)) {
    return "--reserve, --cruise-cas and --bingo-distance need --mission";
  }
  if (options.mission && options.summary) return "--mission and --summary cannot be combined";
  if (options.explainPoint && (options.mission || options.summary)) {
    return "--explain cannot be combined with --mission or --summary";
  }
  return {};
}

}  // namespace

ParsedArguments ParseToolArguments(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  for (size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      parsed.options.help = true;
      return parsed;
    }
    if (arg == "--version") {
      parsed.options.version = true;
      return parsed;
    }
    if (arg == "--summary" || arg == "--mission") {
      (arg == "--summary" ? parsed.options.summary : parsed.options.mission) = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      const size_t equals = arg.find('=');
      if (equals != std::string_view::npos) {
        parsed.error = ApplyOption(arg.substr(0, equals), arg.substr(equals + 1), parsed.options);
      } else if (i + 1 < args.size()) {
        parsed.error = ApplyOption(arg, args[++i], parsed.options);
      } else {
        parsed.error = ApplyOption(arg, {}, parsed.options);
        if (parsed.error.empty()) parsed.error = std::string(arg) + " needs a value";
      }
    } else if (parsed.options.aircraftPath.empty()) {
      parsed.options.aircraftPath = std::string(arg);
    } else {
      parsed.error = "only one aircraft file: " + std::string(arg);
    }
  }
  if (parsed.error.empty() && parsed.options.aircraftPath.empty()) {
    parsed.error = "no aircraft file given";
  }
  if (parsed.error.empty()) parsed.error = CombinationError(parsed.options);
  return parsed;
}

std::string ToolUsage() {
  return "Usage: tz9perf-table AIRCRAFT.dat [options]\n"
         "Computes the level-flight fuel flow table of an aircraft file, as \"Compute Table\" "
         "does.\n"
         "\n"
         "  --stores " +
         StorePositionList() +
         "  store counts (default 0,0,0,0,0,0)\n"
         "  --weight LB             computing weight (default: the proposed one)\n"
         "  --speed " +
         RangePositionList() +
         "      speed axis, knots (CAS)\n"
         "  --altitude " +
         RangePositionList() +
         "   altitude axis, feet\n"
         "                          with neither, the start-up table: 0..40000 ft, 150..850 kt;\n"
         "                          with one, the other takes the window's start values\n"
         "  --second lbs-nm|tas|mach  what the second grid shows (default lbs-nm)\n"
         "  --format grid|csv       output form (default grid)\n"
         "  --summary               instead of the grids, CSV of each altitude's best-range and\n"
         "                          best-endurance speeds and speed bands, to the knot\n"
         "  --mission               instead of the grids, CSV of each altitude's range,\n"
         "                          endurance and cruise on the fuel on board\n"
         "  --reserve LB            with --mission: fuel left at the end (default 0)\n"
         "  --cruise-cas KT         with --mission: the cruise speed (CAS)\n"
         "  --bingo-distance NM     with --mission: the way home, for the bingo fuel\n"
         "  --explain CAS,ALT       instead of the tables, every quantity of the one cell at\n"
         "                          CAS knots and ALT feet, one name: value line each\n"
         "  --help                  this text\n"
         "  --version               the program's version\n"
         "\n"
         "Exit status: 0 done, 1 load failure or refused computation or layout, 2 usage error.\n";
}

}  // namespace tz9
