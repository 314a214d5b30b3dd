// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <random>
#include <system_error>

#include "common/descriptor_output.h"

namespace tz9 {
namespace {

namespace fs = std::filesystem;

constexpr int kStreamFailed = -1;  // the stream failed without a system call failing

FileWriteOutcome Outcome(const std::string& path, int error) {
  if (error == 0) return {true, {}};
  const std::string cause = error == kStreamFailed
                                ? "the write failed"
                                : std::error_code(error, std::generic_category()).message();
  return {false, "cannot write " + path + ": " + cause};
}

// The names a signal handler must remove live where the handler can reach them: a fixed set of
// slots, each free, being filled, or holding the name of a temporary that exists.
constexpr int kSlotFree = 0;
constexpr int kSlotFilling = 1;
constexpr int kSlotArmed = 2;
constexpr std::size_t kSlotPathBytes = 4096;

struct CleanupSlot {
  std::atomic<int> state{kSlotFree};
  char path[kSlotPathBytes] = {};
};

CleanupSlot cleanupSlots[16];

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kCleanupSignalCount = sizeof kCleanupSignals / sizeof kCleanupSignals[0];

// Removes every armed name, then ends the program as the signal would have.
void RemoveTemporariesAndEnd(int signal) {
  for (CleanupSlot& slot : cleanupSlots) {
    if (slot.state.load() == kSlotArmed) unlink(slot.path);
  }
  struct sigaction defaultAction = {};
  defaultAction.sa_handler = SIG_DFL;
  sigemptyset(&defaultAction.sa_mask);
  sigaction(signal, &defaultAction, nullptr);
  raise(signal);
}

// The handler is installed while any name is armed, and only for signals that would end the
// program (left at their default): an ignored signal stays ignored, a program's own handler
// stays its own.
class CleanupHandlers {
 public:
  void Acquire() {
    const std::lock_guard lock(mutex_);
    if (users_++ > 0) return;
    for (int i = 0; i < kCleanupSignalCount; ++i) {
      struct sigaction action = {};
      action.sa_handler = RemoveTemporariesAndEnd;
      sigemptyset(&action.sa_mask);
      installed_[i] = sigaction(kCleanupSignals[i], nullptr, &previous_[i]) == 0 &&
                      previous_[i].sa_handler == SIG_DFL &&
                      (previous_[i].sa_flags & SA_SIGINFO) == 0 &&
                      sigaction(kCleanupSignals[i], &action, nullptr) == 0;
    }
  }
  void Release() {
    const std::lock_guard lock(mutex_);
    if (--users_ > 0) return;
    for (int i = 0; i < kCleanupSignalCount; ++i) {
      if (installed_[i]) sigaction(kCleanupSignals[i], &previous_[i], nullptr);
    }
  }

 private:
  std::mutex mutex_;
  int users_ = 0;
  struct sigaction previous_[kCleanupSignalCount] = {};
  bool installed_[kCleanupSignalCount] = {};
};

CleanupHandlers& Handlers() {
  static CleanupHandlers handlers;
  return handlers;
}

// A name that exists only while the write needs it: removed on every way out but Keep(), and
// by the signal handler if the program is ended first.
class TemporaryName {
 public:
  explicit TemporaryName(const fs::path& path) : path_(path) {
    Handlers().Acquire();
    const std::string& text = path_.native();
    if (text.size() >= kSlotPathBytes) return;  // a name too long to arm is still removed here
    for (CleanupSlot& slot : cleanupSlots) {
      int expected = kSlotFree;
      if (!slot.state.compare_exchange_strong(expected, kSlotFilling)) continue;
      std::memcpy(slot.path, text.c_str(), text.size() + 1);
      slot.state.store(kSlotArmed);
      slot_ = &slot;
      return;
    }
  }
  TemporaryName(const TemporaryName&) = delete;
  TemporaryName& operator=(const TemporaryName&) = delete;
  ~TemporaryName() {
    if (!kept_) unlink(path_.c_str());
    if (slot_ != nullptr) slot_->state.store(kSlotFree);
    Handlers().Release();
  }
  void Keep() { kept_ = true; }

 private:
  fs::path path_;
  CleanupSlot* slot_ = nullptr;
  bool kept_ = false;
};

// Closes on every way out; Close() reports what closing found.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }
  int Close() {
    const int closed = close(fd_);
    fd_ = -1;
    return closed == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// A name of our own beside the target: ".t.csv.tmp-PID-RANDOM".
fs::path HiddenName(const fs::path& target, std::random_device& random) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string name = ".";
  name.append(target.filename().string())
      .append(".tmp-")
      .append(std::to_string(getpid()))
      .append("-")
      .append(std::to_string(random()));
  return folder / name;
}

// The content into fd, then, for a file, onto the disk: 0, or what failed.
int WriteContent(int fd, const std::function<void(std::ostream&)>& write, bool sync) {
  DescriptorOutput out(fd);
  write(out);
  if (!out.Finish()) return out.Error() != 0 ? out.Error() : kStreamFailed;
  if (sync && fsync(fd) != 0) return errno;
  return 0;
}

// A device or a pipe is written into as it is.
int WriteInPlace(const std::string& path, const std::function<void(std::ostream&)>& write) {
  Descriptor file(open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) return errno;
  const int error = WriteContent(file.get(), write, false);
  const int closed = file.Close();
  return error != 0 ? error : closed;
}

// A temporary with a name from the start, created exclusively so that no other file is ever
// written, with the permissions a new file gets (0666 less the umask).
int WriteThroughNamed(const fs::path& target, const std::function<void(std::ostream&)>& write) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = HiddenName(target, random);
    Descriptor file(open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.get() < 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    TemporaryName name(candidate);
    int error = WriteContent(file.get(), write, true);
    if (error == 0) error = file.Close();
    if (error == 0 && std::rename(candidate.c_str(), target.c_str()) != 0) error = errno;
    if (error == 0) name.Keep();
    return error;
  }
  return EEXIST;
}

#ifdef O_TMPFILE
bool NoUnnamedFiles(int error) {
  return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// The finished unnamed file takes the target's name: linked straight to it when the name is
// free; else, as a link cannot replace a file, under a hidden name renamed over the target.
int LinkIntoPlace(int fd, const fs::path& target) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno != EEXIST) return errno;
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = HiddenName(target, random);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) != 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    TemporaryName name(candidate);
    if (std::rename(candidate.c_str(), target.c_str()) != 0) return errno;
    name.Keep();
    return 0;
  }
  return EEXIST;
}

// A file without a name until it is complete: a program ended by any signal, even SIGKILL,
// leaves nothing. unsupported: the folder's file system has no such files.
int WriteThroughUnnamed(const fs::path& target, const std::function<void(std::ostream&)>& write,
                        bool& unsupported) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  Descriptor file(open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    const int error = errno;
    unsupported = NoUnnamedFiles(error);
    return error;
  }
  const int error = WriteContent(file.get(), write, true);
  return error != 0 ? error : LinkIntoPlace(file.get(), target);
}
#endif

}  // namespace

FileWriteOutcome WriteFileWhole(const std::string& path,
                                const std::function<void(std::ostream&)>& write,
                                TemporaryFileKind kind) {
  fs::path target(path);
  if (target.filename().empty()) return {false, "cannot write " + path + ": no file name"};
  struct stat existing = {};
  if (stat(path.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) return Outcome(path, EISDIR);
    if (!S_ISREG(existing.st_mode)) return Outcome(path, WriteInPlace(path, write));
    struct stat link = {};
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
      std::error_code ignored;
      const fs::path linked = fs::canonical(target, ignored);
      if (!linked.empty()) target = linked;
    }
  }
#ifdef O_TMPFILE
  // Linking an unnamed file into place goes through /proc.
  if (kind == TemporaryFileKind::Unnamed && access("/proc/self/fd", X_OK) == 0) {
    bool unsupported = false;
    const int error = WriteThroughUnnamed(target, write, unsupported);
    if (!unsupported) return Outcome(path, error);
  }
#else
  static_cast<void>(kind);
#endif
  return Outcome(path, WriteThroughNamed(target, write));
}

}  // namespace tz9
