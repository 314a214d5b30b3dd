// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
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
class Folder {
 public:
  explicit Folder(const std::string& name)
      : path_(fs::temp_directory_path() /
              ("tz9-write-" + std::to_string(::getpid()) + "-" + name)) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }
  // Every entry's name and, for a file, its bytes: "t.csv=abc", joined by "; ".
  std::string Entries() const {
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(path_)) {
      std::string line = entry.path().filename().string();
      if (entry.is_regular_file()) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        line += "=" + bytes.str();
      }
      entries.push_back(line);
    }
    std::sort(entries.begin(), entries.end());
    std::string joined;
    for (const std::string& e : entries)
      joined += (joined.empty() ? "" : "; ") + e;
    return joined;
  }

 private:
  fs::path path_;
};

// A writer that throws leaves no file behind either; the exception reaches the caller.
TEST(WriteFileWhole, TheNameHoldsAllOfTheNewContentOrStaysAsItWas) {
  const auto writes = [](const std::string& text) {
    return [text](std::ostream& out) { out << text; };
  };
  const auto fails = [](std::ostream& out) {
    out << "half";
    out.setstate(std::ios::badbit);  // as a full disk leaves it
  };
  const auto throws = [](std::ostream& out) {
    out << "part";
    throw std::runtime_error("out of memory");
  };
  const struct {
    const char* name;
    const char* before;  // the file there before; nullptr: none
    const char* target;  // relative to the folder
    std::function<void(std::ostream&)> write;
    std::string after, error;  // the error after "cannot write FOLDER/"; none: written
  } cases[] = {
      {"new file", nullptr, "t.csv", writes("a,b\n"), "t.csv=a,b\n", ""},
      {"replaces a file", "old", "t.csv", writes("new"), "t.csv=new", ""},
      {"empty content", "old", "t.csv", writes(""), "t.csv=", ""},
      {"failed stream, no file", nullptr, "t.csv", fails, "", "t.csv: the write failed"},
      {"failed stream keeps the old file", "old", "t.csv", fails, "t.csv=old",
       "t.csv: the write failed"},
      {"missing folder", nullptr, "no/such/t.csv", writes("x"), "",
       "no/such/t.csv: No such file or directory"},
      {"a folder of that name", nullptr, "sub", writes("x"), "sub", "sub: Is a directory"},
      {"a writer that throws", nullptr, "t.csv", throws, "", "threw out of memory"},
  };
  for (const auto& c : cases) {
    const Folder folder("case");
    if (std::string(c.target) == "sub") fs::create_directory(folder.path() / "sub");
    if (c.before != nullptr) std::ofstream(folder.path() / c.target) << c.before;
    const std::string prefix = "cannot write " + folder.path().string() + "/";
    std::string error;
    try {
      const FileWriteOutcome outcome = WriteFileWhole((folder.path() / c.target).string(), c.write);
      EXPECT_EQ(outcome.written, outcome.error.empty()) << c.name;
      error =
          outcome.error.starts_with(prefix) ? outcome.error.substr(prefix.size()) : outcome.error;
    } catch (const std::runtime_error& e) {
      error = "threw " + std::string(e.what());
    }
    EXPECT_EQ(folder.Entries(), c.after) << c.name;
    EXPECT_EQ(error, c.error) << c.name;
  }
}

}  // namespace
}  // namespace tz9
