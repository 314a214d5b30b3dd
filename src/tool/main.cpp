// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table: computes an aircraft's level-flight table from the command line and prints the
// two grids the window would show.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "common/version.h"
#include "tool/table_tool.h"
#include "tool/tool_options.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const tz9::ParsedArguments parsed = tz9::ParseToolArguments(args);
  if (parsed.options.help) {
    std::cout << tz9::ToolUsage();
    return tz9::kExitDone;
  }
  if (parsed.options.version) {
    std::cout << "tz9perf-table " << tz9::kVersion << "\n";
    return tz9::kExitDone;
  }
  if (!parsed.error.empty()) {
    std::cerr << "tz9perf-table: " << parsed.error << "\n" << tz9::ToolUsage();
    return tz9::kExitUsage;
  }
  const bool ansiColours = isatty(fileno(stdout)) != 0;
  return tz9::RunTableTool(parsed.options, ansiColours, std::cout, std::cerr);
}
