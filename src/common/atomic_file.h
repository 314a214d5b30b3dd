// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file whole or not at all: the content goes to a new temporary file in the same
// folder, which takes the chosen name only once every byte is written and flushed. A write that
// fails leaves the chosen name as it was (absent, or the previous file) and no temporary behind.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace tz9 {

struct FileWriteOutcome {
  bool written = false;
  std::string error;  // when not written: "cannot write /no/such/t.csv: No such file or directory"
};

// write puts the content into the stream; a stream left failed counts as a failed write.
FileWriteOutcome WriteFileWhole(const std::string& path,
                                const std::function<void(std::ostream&)>& write);

}  // namespace tz9
