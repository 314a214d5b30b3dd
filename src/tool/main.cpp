// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table: computes an aircraft's level-flight table from the command line and prints the
// two grids the window would show.
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <string>
#include <vector>

#include "common/descriptor_output.h"
#include "common/version.h"
#include "tool/table_tool.h"
#include "tool/tool_messages.h"
#include "tool/tool_options.h"

namespace {

int Run(const std::vector<std::string>& args, std::ostream& out) {
  const tz9::ParsedArguments parsed = tz9::ParseToolArguments(args);
  if (parsed.options.help) {
    out << tz9::ToolUsage();
    return tz9::kExitDone;
  }
  if (parsed.options.version) {
    out << "tz9perf-table " << tz9::kVersion << "\n";
    return tz9::kExitDone;
  }
  if (!parsed.error.empty()) {
    std::cerr << "tz9perf-table: " << parsed.error << "\n" << tz9::ToolUsage();
    return tz9::kExitUsage;
  }
  const bool ansiColours = isatty(STDOUT_FILENO) != 0;
  return tz9::RunTableTool(parsed.options, ansiColours, out, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  tz9::DescriptorOutput out(STDOUT_FILENO);
  const int status = Run({argv + 1, argv + argc}, out);
  if (out.Finish()) return status;
  // A reader that stopped reading (a closed pipe) ends the run quietly, as SIGPIPE would where
  // it is not ignored; a full disk is a failure.
  if (out.Error() == EPIPE) return status;
  std::cerr << tz9::ToolStandardOutputFailureText(out.Error()) << '\n';
  return tz9::kExitRefused;
}
