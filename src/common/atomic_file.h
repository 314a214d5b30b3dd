// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file whole or not at all: the content goes to a temporary file in the same folder,
// which takes the chosen name only once every byte is written and on the disk. A write that
// fails leaves the chosen name as it was (absent, or the previous file) and no temporary behind;
// so does a program stopped part way: the temporary has no name until it is complete (where the
// file system has unnamed files), or its name is removed on SIGINT, SIGTERM and SIGHUP.
// A name that holds a device or a pipe (/dev/null, /dev/stdout on a terminal) is written
// straight into; a symbolic link to a file keeps its link, and the file it names is replaced.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace tz9 {

struct FileWriteOutcome {
  bool written = false;
  std::string error;  // when not written: "cannot write /no/such/t.csv: No such file or directory"
};

// Unnamed falls back to Named where the folder's file system has no unnamed files; Named is
// there for the tests of that fallback.
enum class TemporaryFileKind { Unnamed, Named };

// write puts the content into the stream; a stream left failed counts as a failed write.
FileWriteOutcome WriteFileWhole(const std::string& path,
                                const std::function<void(std::ostream&)>& write,
                                TemporaryFileKind kind = TemporaryFileKind::Unnamed);

}  // namespace tz9
