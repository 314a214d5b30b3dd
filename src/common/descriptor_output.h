// SPDX-License-Identifier: GPL-3.0-or-later
// An output stream over an open file descriptor that keeps the system's reason for the first
// write that failed, so that a full disk or a closed pipe is reported with its cause instead of
// a bare failed stream. The standard output and the files written whole go through it.
#pragma once

#include <ostream>
#include <streambuf>
#include <vector>

namespace tz9 {

class DescriptorBuffer final : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd);

  // The errno of the first write that failed; 0 while every write succeeded. After a failure
  // nothing more is written: the rest is dropped.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type ch) override;
  std::streamsize xsputn(const char* data, std::streamsize count) override;
  int sync() override;

 private:
  bool Drain();  // writes out the buffer and empties it
  bool WriteAll(const char* data, std::streamsize count);

  int fd_;
  int error_ = 0;
  std::vector<char> buffer_;
};

// The descriptor stays open and belongs to the caller.
class DescriptorOutput final : public std::ostream {
 public:
  explicit DescriptorOutput(int fd);

  // Writes out what is buffered; true when every write succeeded.
  bool Finish();
  int Error() const { return buffer_.Error(); }

 private:
  DescriptorBuffer buffer_;
};

}  // namespace tz9
