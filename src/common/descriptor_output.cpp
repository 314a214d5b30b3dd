// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/descriptor_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tz9 {
namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

}  // namespace

DescriptorBuffer::DescriptorBuffer(int fd) : fd_(fd), buffer_(kBufferBytes) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type ch) {
  if (!Drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(ch, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
  }
  return traits_type::not_eof(ch);
}

std::streamsize DescriptorBuffer::xsputn(const char* data, std::streamsize count) {
  if (count <= 0) return 0;  // an empty text may come with no pointer
  if (count > epptr() - pptr()) {
    if (!Drain()) return 0;
    // What would fill the buffer at once goes straight to the descriptor.
    if (count >= epptr() - pptr()) return WriteAll(data, count) ? count : 0;
  }
  std::memcpy(pptr(), data, static_cast<std::size_t>(count));
  pbump(static_cast<int>(count));
  return count;
}

int DescriptorBuffer::sync() {
  return Drain() ? 0 : -1;
}

bool DescriptorBuffer::Drain() {
  const bool written = WriteAll(pbase(), pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return written;
}

bool DescriptorBuffer::WriteAll(const char* data, std::streamsize count) {
  while (error_ == 0 && count > 0) {
    const ssize_t written = ::write(fd_, data, static_cast<std::size_t>(count));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;  // a write of nothing would loop forever
      break;
    }
    data += written;
    count -= written;
  }
  return error_ == 0;
}

DescriptorOutput::DescriptorOutput(int fd) : std::ostream(nullptr), buffer_(fd) {
  rdbuf(&buffer_);
}

bool DescriptorOutput::Finish() {
  flush();
  return buffer_.Error() == 0 && !fail();
}

}  // namespace tz9
