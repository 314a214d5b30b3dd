// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/tool_options.h"

#include <string_view>

#include "common/number_text.h"

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
    const auto counts = NumberList<6>(value);
    if (!counts) return "--stores needs six numbers: AA,AG,BOMBS,CLUSTER,ECM,TANKS";
    options.storeCounts = *counts;
  } else if (name == "--weight") {
    if (!IsNumericText(value)) return "--weight needs a number of pounds";
    options.weightLb = std::string(value);
  } else if (name == "--speed" || name == "--altitude") {
    const auto range = NumberList<5>(value);
    if (!range) return std::string(name) + " needs five numbers: MIN,STEP1,SWITCH,STEP2,MAX";
    (name == "--speed" ? options.speedRange : options.altitudeRange) = *range;
  } else if (name == "--second") {
    const auto mode = DisplayModeNamed(value);
    if (!mode) return "--second takes lbs-nm, tas or mach";
    options.mode = *mode;
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
    if (arg.size() > 1 && arg[0] == '-') {
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
  return parsed;
}

std::string ToolUsage() {
  return "Usage: tz9perf-table AIRCRAFT.dat [options]\n"
         "Computes the level-flight fuel flow table of an aircraft file, as \"Compute Table\" "
         "does.\n"
         "\n"
         "  --stores AA,AG,BOMBS,CLUSTER,ECM,TANKS  store counts (default 0,0,0,0,0,0)\n"
         "  --weight LB             computing weight (default: the proposed one)\n"
         "  --speed MIN,STEP1,SWITCH,STEP2,MAX      speed axis, knots (CAS)\n"
         "  --altitude MIN,STEP1,SWITCH,STEP2,MAX   altitude axis, feet\n"
         "                          with neither, the start-up table: 0..40000 ft, 150..850 kt;\n"
         "                          with one, the other takes the window's start values\n"
         "  --second lbs-nm|tas|mach  what the second grid shows (default lbs-nm)\n"
         "  --format grid|csv       output form (default grid)\n"
         "  --explain CAS,ALT       instead of the tables, every quantity of the one cell at\n"
         "                          CAS knots and ALT feet, one name: value line each\n"
         "  --help                  this text\n"
         "  --version               the program's version\n"
         "\n"
         "Exit status: 0 done, 1 load failure or refused computation or layout, 2 usage error.\n";
}

}  // namespace tz9
