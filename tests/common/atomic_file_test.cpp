// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tz9 {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one case, removed afterwards.
struct Folder {
  fs::path path;
  explicit Folder(const std::string& name)
      : path(fs::temp_directory_path() / ("tz9-write-" + std::to_string(::getpid()) + "-" + name)) {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  // Every entry's name and, for a file, its bytes: "t.csv=abc".
  std::vector<std::string> Entries() const {
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(path)) {
      std::ostringstream bytes;
      if (entry.is_regular_file()) bytes << "=" << std::ifstream(entry.path()).rdbuf();
      entries.push_back(entry.path().filename().string() + bytes.str());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
  }
};

TEST(WriteFileWhole, TheNameHoldsAllOfTheNewContentOrStaysAsItWas) {
  const auto writes = [](const std::string& text) {
    return [text](std::ostream& out) { out << text; };
  };
  const auto fails = [](std::ostream& out) {
    out << "half";
    out.setstate(std::ios::badbit);  // as a full disk leaves it
  };
  const struct {
    const char* name;
    const char* before;  // the file there before; nullptr: none
    const char* target;  // relative to the folder
    std::function<void(std::ostream&)> write;
    bool written;
    std::vector<std::string> after;
    std::string error;
  } cases[] = {
      {"new file", nullptr, "t.csv", writes("a,b\n"), true, {"t.csv=a,b\n"}, ""},
      {"replaces a file", "old", "t.csv", writes("new"), true, {"t.csv=new"}, ""},
      {"empty content", "old", "t.csv", writes(""), true, {"t.csv="}, ""},
      {"failed stream, no file", nullptr, "t.csv", fails, false, {}, "the write failed"},
      {"failed stream, old kept", "old", "t.csv", fails, false, {"t.csv=old"}, "the write failed"},
      {"missing folder", nullptr, "no/t.csv", writes("x"), false, {}, "No such file or directory"},
      {"a folder of that name", nullptr, "sub", writes("x"), false, {"sub"}, "Is a directory"}};
  for (const TemporaryFileKind kind : {TemporaryFileKind::Unnamed, TemporaryFileKind::Named}) {
    const char* kindName = kind == TemporaryFileKind::Unnamed ? "unnamed: " : "named: ";
    for (const auto& c : cases) {
      const Folder folder("case");
      if (std::string(c.target) == "sub") fs::create_directory(folder.path / "sub");
      if (c.before != nullptr) std::ofstream(folder.path / c.target) << c.before;
      const std::string target = (folder.path / c.target).string();
      const FileWriteOutcome outcome = WriteFileWhole(target, c.write, kind);
      EXPECT_EQ(outcome.written, c.written) << kindName << c.name;
      EXPECT_EQ(folder.Entries(), c.after) << kindName << c.name;
      if (!c.error.empty()) {
        EXPECT_EQ(outcome.error, "cannot write " + target + ": " + c.error) << kindName << c.name;
      }
    }
  }
}

// The name is taken only at the end; when that fails, the temporary's own name must go too.
TEST(WriteFileWhole, NoTemporaryIsLeftWhenTheNameCannotBeTaken) {
  for (const TemporaryFileKind kind : {TemporaryFileKind::Unnamed, TemporaryFileKind::Named}) {
    const Folder folder("taken");
    const fs::path target = folder.path / "t.csv";
    std::ofstream(target) << "old";
    const FileWriteOutcome outcome = WriteFileWhole(
        target.string(),
        [&target](std::ostream& out) {
          out << "new";
          fs::remove(target);
          fs::create_directory(target);
        },
        kind);
    EXPECT_EQ(outcome.error, "cannot write " + target.string() + ": Is a directory");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"t.csv"});
  }
}

TEST(WriteFileWhole, ALinkToAFileStaysALink) {
  const Folder folder("link");
  std::ofstream(folder.path / "t.csv") << "old";
  fs::create_symlink("t.csv", folder.path / "link.csv");
  const std::string target = (folder.path / "link.csv").string();
  EXPECT_TRUE(WriteFileWhole(target, [](std::ostream& out) { out << "new"; }).written);
  EXPECT_TRUE(fs::is_symlink(target));
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"link.csv=new", "t.csv=new"}));
}

TEST(WriteFileWhole, AProgramEndedMidWriteLeavesTheOldFileAndNoTemporary) {
  // The child is forked at the write (the "fast" style), so it writes into this same folder.
  // An unnamed temporary has nothing to remove, whatever ends the program.
  using enum TemporaryFileKind;
  const std::pair<TemporaryFileKind, int> cases[] = {
      {Unnamed, SIGKILL}, {Unnamed, SIGINT}, {Named, SIGINT}, {Named, SIGTERM}, {Named, SIGHUP}};
  for (const auto& c : cases) {
    const Folder folder("signal");
    std::ofstream(folder.path / "t.csv") << "old";
    const std::string target = (folder.path / "t.csv").string();
    const auto interrupted = [&c](std::ostream& out) {
      out << std::string(1 << 17, 'x') << std::flush;
      std::raise(c.second);
    };
    EXPECT_EXIT(WriteFileWhole(target, interrupted, c.first), testing::KilledBySignal(c.second),
                "");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"t.csv=old"}) << c.second;
  }
}

TEST(WriteFileWhole, AWriterThatThrowsLeavesNoFileBehind) {
  const Folder folder("throws");
  const std::string target = (folder.path / "t.csv").string();
  EXPECT_THROW(WriteFileWhole(target,
                              [](std::ostream& out) {
                                out << "part";
                                throw std::runtime_error("out of memory");
                              }),
               std::runtime_error);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tz9
