// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/number_text.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tz9 {
namespace {

bool IsSkippedInParse(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsEdgeBlank(char c) {
  return c == ' ' || c == '\t';
}

// Converts a clean number text (sign, digits, one point, exponent) independently of the C
// locale that a toolkit may have set. Out-of-range texts fall back to strtod in the C locale,
// which gives the IEEE answer (an infinity or a correctly rounded tiny value).
double ConvertCleanNumber(const char* first, const char* last) {
  const char* start = first;
  if (start != last && *start == '+') ++start;  // from_chars takes no plus sign
  double value = 0;
  const auto [ptr, ec] = std::from_chars(start, last, value);
  if (ec == std::errc() && ptr == last) return value;
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  const std::string copy(first, last);
  return strtod_l(copy.c_str(), nullptr, c_locale);
}

// The characters of a number gathered without the blanks the parse skips; short numbers stay
// on the stack, as nearly all do.
class CleanNumber {
 public:
  void Push(char c) {
    if (size_ < kInline) {
      inline_[size_] = c;
    } else {
      if (size_ == kInline) spill_.assign(inline_, kInline);
      spill_.push_back(c);
    }
    ++size_;
  }
  double Convert() const {
    const char* first = size_ <= kInline ? inline_ : spill_.data();
    return ConvertCleanNumber(first, first + size_);
  }

 private:
  static constexpr size_t kInline = 64;
  char inline_[kInline];
  size_t size_ = 0;
  std::string spill_;
};

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  CleanNumber clean;
  size_t i = 0;
  const size_t n = text.size();
  auto skip = [&] {
    while (i < n && IsSkippedInParse(text[i]))
      ++i;
  };
  skip();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    clean.Push(text[i]);
    ++i;
  }
  bool seen_point = false;
  bool seen_digit = false;
  for (skip(); i < n; skip()) {
    const char c = text[i];
    if (IsDigit(c)) {
      seen_digit = true;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
    } else {
      break;
    }
    clean.Push(c);
    ++i;
  }
  if (!seen_digit) return 0;
  // An exponent counts only when at least one digit follows its letter and optional sign.
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    while (j < n && IsSkippedInParse(text[j]))
      ++j;
    const bool signed_exponent = j < n && (text[j] == '+' || text[j] == '-');
    const char sign = signed_exponent ? text[j++] : '+';
    bool first_digit = true;
    for (;;) {
      while (j < n && IsSkippedInParse(text[j]))
        ++j;
      if (j >= n || !IsDigit(text[j])) break;
      if (first_digit) {
        clean.Push('e');
        clean.Push(sign);
        first_digit = false;
      }
      clean.Push(text[j++]);
    }
  }
  return clean.Convert();
}

bool IsNumericText(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsEdgeBlank(text[first]))
    ++first;
  while (last > first && IsEdgeBlank(text[last - 1]))
    --last;
  size_t i = first;
  if (i < last && (text[i] == '+' || text[i] == '-')) ++i;
  bool digit = false;
  bool point = false;
  for (; i < last; ++i) {
    if (IsDigit(text[i])) {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digit) return false;
  if (i < last && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < last && (text[i] == '+' || text[i] == '-')) ++i;
    bool exponent_digit = false;
    while (i < last && IsDigit(text[i])) {
      exponent_digit = true;
      ++i;
    }
    if (!exponent_digit) return false;
  }
  if (i != last) return false;
  return std::isfinite(ParseLeadingNumber(text.substr(first, last - first)));
}

int FormatGeneralTo(double value, char* out) {
  if (value == 0) {  // also negative zero
    out[0] = '0';
    return 1;
  }
  if (!std::isfinite(value)) {
    const char* word = std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
    const int length = static_cast<int>(std::strlen(word));
    std::memcpy(out, word, static_cast<size_t>(length));
    return length;
  }
  // to_chars with precision 15 in general form writes exactly what "%.15g" writes, without
  // going through the C locale.
  const auto result =
      std::to_chars(out, out + kGeneralBufferSize, value, std::chars_format::general, 15);
  return static_cast<int>(result.ptr - out);
}

std::string FormatGeneral(double value) {
  char buffer[kGeneralBufferSize];
  return std::string(buffer, static_cast<size_t>(FormatGeneralTo(value, buffer)));
}

std::string FormatBlankLed(double value) {
  std::string text = FormatGeneral(value);
  if (text[0] != '-') text.insert(text.begin(), ' ');
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

double Floor(double value) {
  return std::floor(value);
}

}  // namespace tz9
