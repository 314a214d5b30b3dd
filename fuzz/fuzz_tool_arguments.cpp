// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table's command line: the input is an argument vector, the arguments separated by NUL
// bytes. Each goes through the option parser and, when it parses, a run of the tool with its
// output in memory. No command line may crash the tool; a run ends 0 with output, or 1 with a
// message and no output; a JSON document is valid JSON.
//
// The harness keeps each run small and inside the process: the aircraft is one of the examples
// whatever the path given, --output writes to memory instead of a file, and a table, a speed
// scan or a mission too large to finish in a few milliseconds is not run.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "performance/best_speeds.h"
#include "tables/result_grid.h"
#include "tool/table_tool.h"
#include "tool/tool_messages.h"
#include "tool/tool_options.h"

namespace {

constexpr long long kMaxCells = 400;
constexpr double kMaxSummaryEvaluations = 10000;  // altitudes x whole knots scanned
constexpr double kMaxMissionScan = 200;           // altitudes x whole knots, each step of 100 lb
constexpr double kMaxMissionWeightLb = 30000;     // the check aircraft's empty weight is 19000
constexpr double kMaxMissionStoreCount = 10;
constexpr double kMaxBingoNm = 1000;

void Check(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string> SplitOnNul(std::string_view bytes) {
  std::vector<std::string> args;
  for (;;) {
    const size_t nul = bytes.find('\0');
    args.emplace_back(bytes.substr(0, nul));
    if (nul == std::string_view::npos) return args;
    bytes.remove_prefix(nul + 1);
  }
}

// The examples only: a path naming the generic fighter reads it, "missing" a file that is not
// there, any other the check aircraft.
std::string ExampleAircraft(std::string_view path) {
  const std::string folder = TZ9_EXAMPLES_DIR "/";
  if (path.find("generic") != std::string_view::npos) return folder + "generic-fighter.dat";
  if (path.find("missing") != std::string_view::npos) return folder + "missing.dat";
  return folder + "check-aircraft.dat";
}

bool WithinMissionBounds(const tz9::ToolOptions& options) {
  if (!options.weightLb || tz9::ParseLeadingNumber(*options.weightLb) > kMaxMissionWeightLb) {
    return false;
  }
  for (const std::string& count : options.storeCounts) {
    const double stores = tz9::ParseLeadingNumber(count);
    if (!(stores >= 0 && stores <= kMaxMissionStoreCount)) return false;
  }
  return options.bingoDistanceNm.value_or(0) <= kMaxBingoNm;
}

// Whether the run finishes in milliseconds. A layout the tool refuses costs nothing.
bool SmallEnough(const tz9::ToolOptions& options) {
  if (options.explainPoint) return true;
  tz9::ResultGrid msfg1;
  tz9::ResultGrid msfg2;
  if (!tz9::LayOutToolTable(options, msfg1, msfg2).applied) return true;
  const long long altitudes = msfg1.Rows() - 1;
  if (altitudes * (msfg1.Cols() - 1) > kMaxCells) return false;
  if (!options.summary && !options.mission) return true;
  double least = 0;
  double greatest = 0;
  for (int col = 1; col < msfg1.Cols(); ++col) {
    const double speed = tz9::ParseLeadingNumber(msfg1.TextAt(0, col));
    least = col == 1 ? speed : std::min(least, speed);
    greatest = col == 1 ? speed : std::max(greatest, speed);
  }
  const double knots = greatest - least + 1;
  if (!(knots <= tz9::kMaxScanKnots)) return true;  // refused before any scan
  if (options.summary && altitudes * knots > kMaxSummaryEvaluations) return false;
  return !options.mission || (altitudes * knots <= kMaxMissionScan && WithinMissionBounds(options));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const tz9::ParsedArguments parsed = tz9::ParseToolArguments(SplitOnNul(bytes));
  if (!parsed.error.empty() || parsed.options.help || parsed.options.version) return 0;

  tz9::ToolOptions options = parsed.options;
  options.aircraftPath = ExampleAircraft(options.aircraftPath);
  options.outputPath.reset();
  if (!SmallEnough(options)) return 0;
  std::ostringstream out;
  std::ostringstream err;
  const int status = tz9::RunTableTool(options, size % 2 == 1, out, err);
  Check(status == tz9::kExitDone || status == tz9::kExitRefused);
  if (status == tz9::kExitRefused) {
    Check(out.str().empty() && !err.str().empty());
    return 0;
  }
  Check(!out.str().empty());
  if (options.format == tz9::OutputFormat::Json && !options.explainPoint) {
    Check(nlohmann::json::accept(out.str()));
  }
  return 0;
}
