// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/tool_options.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string_view>

#include "common/number_text.h"
#include "loadout/loadout.h"
#include "performance/climb_turn.h"
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

// Any mix of upper and lower case.
std::optional<OutputFormat> FormatNamed(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "grid") return OutputFormat::Grid;
  if (lower == "csv") return OutputFormat::Csv;
  if (lower == "json") return OutputFormat::Json;
  return std::nullopt;
}

// The store kind of a named count option (--aa ... --tanks), if it is one.
std::optional<size_t> StoreOptionKind(std::string_view name) {
  for (size_t kind = 0; kind < kStoreKinds; ++kind) {
    if (name == "--" + std::string(kStoreShortNames[kind])) return kind;
  }
  return std::nullopt;
}

// What the options given so far have set: each option once, each store count by one form.
struct Given {
  std::set<std::string, std::less<>> options;
  std::array<std::string, kStoreKinds> countSetBy;  // "--stores", "--aa" ...; "" while unset
  std::array<std::string, kStoreKinds> baselineCountSetBy;  // the same for the baseline
};

// A store count is given by --stores or by its own option; an error when the other form set it
// already.
std::string ClaimStoreCount(size_t kind, std::string_view option, std::string& setBy) {
  if (!setBy.empty()) {
    return std::string(option) + " and " + setBy + " both give the " +
           std::string(kStoreShortNames[kind]) + " count";
  }
  setBy = std::string(option);
  return {};
}

std::string SetStoreCount(size_t kind, std::string_view option, std::string value,
                          ToolOptions& options, Given& given) {
  std::string error = ClaimStoreCount(kind, option, given.countSetBy[kind]);
  if (error.empty()) options.storeCounts[kind] = std::move(value);
  return error;
}

// --baseline-file, --baseline-weight, --baseline-stores and --baseline-aa ... --baseline-tanks,
// in the forms of the current table's options.
std::string ApplyBaselineOption(std::string_view name, std::string_view value, ToolOptions& options,
                                Given& given) {
  constexpr std::string_view kPrefix = "--baseline-";
  const auto setCount = [&](size_t kind, std::string_view count) {
    std::string error = ClaimStoreCount(kind, name, given.baselineCountSetBy[kind]);
    if (error.empty()) options.baselineStoreCounts[kind] = std::string(count);
    return error;
  };
  if (name == "--baseline-file") {
    if (value.empty()) return "--baseline-file needs a file name";
    options.baselinePath = std::string(value);
  } else if (name == "--baseline-weight") {
    if (!IsNumericText(value)) return "--baseline-weight needs a number of pounds";
    options.baselineWeightLb = std::string(value);
  } else if (name == "--baseline-stores") {
    const auto counts = NumberList<kStoreKinds>(value);
    if (!counts) return "--baseline-stores needs six numbers: " + StorePositionList();
    for (size_t kind = 0; kind < kStoreKinds; ++kind) {
      std::string error = setCount(kind, (*counts)[kind]);
      if (!error.empty()) return error;
    }
  } else if (const auto kind = StoreOptionKind("--" + std::string(name.substr(kPrefix.size())))) {
    if (!IsNumericText(value)) return std::string(name) + " needs a number of stores";
    return setCount(*kind, value);
  } else {
    return "unknown option " + std::string(name);
  }
  return {};
}

// Applies one option with its value; returns a usage error or "".
std::string ApplyOption(std::string_view name, std::string_view value, ToolOptions& options,
                        Given& given) {
  if (!given.options.insert(std::string(name)).second) {
    return std::string(name) + " given twice";
  }
  if (name == "--stores") {
    static_assert(kStoreKinds == 6, "the usage and this message say six");
    const auto counts = NumberList<kStoreKinds>(value);
    if (!counts) return "--stores needs six numbers: " + StorePositionList();
    for (size_t kind = 0; kind < kStoreKinds; ++kind) {
      std::string error = SetStoreCount(kind, name, (*counts)[kind], options, given);
      if (!error.empty()) return error;
    }
  } else if (const auto kind = StoreOptionKind(name)) {
    if (!IsNumericText(value)) return std::string(name) + " needs a number of stores";
    return SetStoreCount(*kind, name, std::string(value), options, given);
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
  } else if (name == "--em") {
    if (!IsNumericText(value)) return "--em needs an altitude in feet";
    options.emAltitudeFt = ParseLeadingNumber(value);
  } else if (name == "--g-limit") {
    if (!IsNumericText(value) || !GLimitInRange(ParseLeadingNumber(value))) {
      return "--g-limit needs a number from 1 to 15";
    }
    options.gLimit = ParseLeadingNumber(value);
  } else if (name == "--summary" || name == "--mission" || name == "--climb") {
    return std::string(name) + " takes no value";
  } else if (name == "--format") {
    const auto format = FormatNamed(value);
    if (!format) return "--format takes grid, csv or json";
    options.format = *format;
  } else if (name == "--explain") {
    const auto point = NumberList<2>(value);
    if (!point) return "--explain needs two numbers: CAS,ALT";
    options.explainPoint = *point;
  } else if (name.starts_with("--baseline-")) {
    return ApplyBaselineOption(name, value, options, given);
  } else if (name == "--compare" || name == "--compare-cells") {
    return std::string(name) + " takes no value";
  } else if (name == "--output") {
    if (value.empty()) return "--output needs a file name";
    options.outputPath = std::string(value);
  } else {
    return "unknown option " + std::string(name);
  }
  return {};
}

// A baseline is given for a comparison and only for one; a comparison prints alone but in JSON.
std::string ComparisonError(const ToolOptions& options) {
  const bool compares = options.compare || options.compareCells;
  const bool baseline =
      options.baselinePath || options.baselineWeightLb ||
      std::ranges::any_of(options.baselineStoreCounts, [](const auto& c) { return c.has_value(); });
  if (baseline && !compares) {
    return "--baseline-file, --baseline-stores, --baseline-weight and the --baseline- store "
           "counts need --compare or --compare-cells";
  }
  if (compares && !baseline) {
    return "--compare and --compare-cells need a baseline: --baseline-file, --baseline-stores, "
           "--baseline-weight or a --baseline- store count";
  }
  const int analyses = options.summary + options.mission + options.compare + options.compareCells;
  if (analyses > 1 && options.format != OutputFormat::Json) {
    return "--summary, --mission, --compare and --compare-cells: more than one needs --format json";
  }
  if (compares && options.explainPoint) {
    return "--explain cannot be combined with --compare or --compare-cells";
  }
  return {};
}

// The options that only make sense together, or not together.
std::string CombinationError(const ToolOptions& options) {
  if (!options.mission &&
      (options.reserveLb || options.cruiseCasKnots || options.bingoDistanceNm)) {
    return "--reserve, --cruise-cas and --bingo-distance need --mission";
  }
  if (options.mission && options.summary && options.format != OutputFormat::Json) {
    return "--mission and --summary together need --format json";
  }
  if (options.explainPoint && (options.mission || options.summary)) {
    return "--explain cannot be combined with --mission or --summary";
  }
  const bool climbTurn = options.climb || options.emAltitudeFt;
  if (options.gLimit && !climbTurn) return "--g-limit needs --climb or --em";
  if (options.explainPoint && climbTurn) return "--explain cannot be combined with --climb or --em";
  const int analyses = (options.summary ? 1 : 0) + (options.mission ? 1 : 0) +
                       (options.climb ? 1 : 0) + (options.emAltitudeFt ? 1 : 0) +
                       (options.compare ? 1 : 0) + (options.compareCells ? 1 : 0);
  if (climbTurn && analyses > 1 && options.format != OutputFormat::Json) {
    return "--climb and --em beside another analysis need --format json";
  }
  return ComparisonError(options);
}

}  // namespace

ParsedArguments ParseToolArguments(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  Given given;
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
    if (arg == "--summary" || arg == "--mission" || arg == "--climb") {
      (arg == "--summary"   ? parsed.options.summary
       : arg == "--mission" ? parsed.options.mission
                            : parsed.options.climb) = true;
    } else if (arg == "--compare" || arg == "--compare-cells") {
      (arg == "--compare" ? parsed.options.compare : parsed.options.compareCells) = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      const size_t equals = arg.find('=');
      if (equals != std::string_view::npos) {
        parsed.error =
            ApplyOption(arg.substr(0, equals), arg.substr(equals + 1), parsed.options, given);
      } else if (i + 1 < args.size()) {
        parsed.error = ApplyOption(arg, args[++i], parsed.options, given);
      } else {
        parsed.error = ApplyOption(arg, {}, parsed.options, given);
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
         "  --aa N, --ag N, --bombs N, --cluster N, --ecm N, --tanks N\n"
         "                          one store count each, instead of its place in --stores\n"
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
         "  --format grid|csv|json  output form (default grid)\n"
         "  --output FILE           write to FILE instead of the standard output; FILE is\n"
         "                          replaced only once the whole output is written\n"
         "  --summary               each altitude's best-range and best-endurance speeds and\n"
         "                          speed bands, to the knot: CSV instead of the grids, or with\n"
         "                          --format json a \"summary\" member beside them\n"
         "  --mission               each altitude's range, endurance and cruise on the fuel on\n"
         "                          board: CSV instead of the grids, or with --format json a\n"
         "                          \"mission\" member beside them; with --summary, JSON only\n"
         "  --reserve LB            with --mission: fuel left at the end (default 0)\n"
         "  --cruise-cas KT         with --mission: the cruise speed (CAS)\n"
         "  --bingo-distance NM     with --mission: the way home, for the bingo fuel\n"
         "  --climb                 each altitude's best climb speed and rate in Military power\n"
         "                          and afterburner, time and fuel to climb, best sustained turn\n"
         "                          and corner speed: CSV instead of the grids, or with\n"
         "                          --format json a \"climb\" member beside them\n"
         "  --em ALT                at ALT feet, each whole knot's climb rates, sustained and\n"
         "                          instantaneous load factors and turn rates: CSV instead of\n"
         "                          the grids, or with --format json an \"em\" member; --climb\n"
         "                          and --em beside each other or another analysis, JSON only\n"
         "  --g-limit G             with --climb or --em: the g limit, 1 to 15 (default 9)\n"
         "  --explain CAS,ALT       instead of the tables, every quantity of the one cell at\n"
         "                          CAS knots and ALT feet, one name: value line each\n"
         "  --compare               each altitude's best-range and best-endurance speeds and\n"
         "                          fuel, of the table and of a baseline, with the change in %:\n"
         "                          CSV instead of the grids, or a \"compare\" member in JSON\n"
         "  --compare-cells         each cell's fuel flow, of the table and of the baseline,\n"
         "                          with the change in %: CSV, or a \"compare_cells\" member;\n"
         "                          the baseline is computed on the table's axes from:\n"
         "  --baseline-file FILE    its aircraft file (default: AIRCRAFT.dat)\n"
         "  --baseline-stores " +
         StorePositionList() +
         "\n"
         "  --baseline-aa N ... --baseline-tanks N\n"
         "                          its store counts (default: each the table's)\n"
         "  --baseline-weight LB    its computing weight (default: --weight, else the one its\n"
         "                          loadout proposes)\n"
         "  --help                  this text\n"
         "  --version               the program's version\n"
         "\n"
         "Each option may be given once.\n"
         "\n"
         "Exit status: 0 done, 1 load failure, refused computation or layout, or output not\n"
         "written (to the file or the standard output), 2 usage error.\n";
}

}  // namespace tz9
