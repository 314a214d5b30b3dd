// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>

namespace tz9 {
namespace {

namespace fs = std::filesystem;

std::string ErrnoText(int error) {
  return std::error_code(error, std::generic_category()).message();
}

// Removes the temporary file on every way out but the rename.
class TemporaryFile {
 public:
  explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (path_.empty()) return;
    std::error_code ignored;
    fs::remove(path_, ignored);
  }
  const fs::path& path() const { return path_; }
  void Renamed() { path_.clear(); }

 private:
  fs::path path_;
};

// A name of our own beside the target (where a folder that is missing or not writable shows):
// created exclusively, so no other file is ever written, with the permissions a new file gets (0666
// less the umask).
std::optional<fs::path> CreateTemporaryBeside(const fs::path& target, int& error) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = folder / ("." + target.filename().string() + ".tmp-" +
                                         std::to_string(getpid()) + "-" + std::to_string(random()));
    const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      close(fd);
      return candidate;
    }
    if (errno != EEXIST) break;
  }
  error = errno;
  return std::nullopt;
}

// The bytes reach the disk before the rename makes them the file.
bool SyncToDisk(const fs::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

}  // namespace

FileWriteOutcome WriteFileWhole(const std::string& path,
                                const std::function<void(std::ostream&)>& write) {
  const fs::path target(path);
  if (target.filename().empty()) return {false, "cannot write " + path + ": no file name"};
  int error = 0;
  const std::optional<fs::path> created = CreateTemporaryBeside(target, error);
  if (!created) return {false, "cannot write " + path + ": " + ErrnoText(error)};
  TemporaryFile temporary(*created);
  {
    errno = 0;
    std::ofstream out(temporary.path(), std::ios::binary | std::ios::trunc);
    if (out) write(out);
    out.flush();
    const bool streamed = static_cast<bool>(out);
    out.close();
    if (!streamed || !out) {
      // A failed system call (a full disk) leaves its cause; a stream failed otherwise has none.
      const std::string cause = errno != 0 ? ErrnoText(errno) : "the write failed";
      return {false, "cannot write " + path + ": " + cause};
    }
  }
  if (!SyncToDisk(temporary.path())) {
    return {false, "cannot write " + path + ": " + ErrnoText(errno)};
  }
  if (std::rename(temporary.path().c_str(), target.c_str()) != 0) {
    return {false, "cannot write " + path + ": " + ErrnoText(errno)};
  }
  temporary.Renamed();
  return {true, {}};
}

}  // namespace tz9
