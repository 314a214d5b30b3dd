// SPDX-License-Identifier: GPL-3.0-or-later

#include "aircraft/field_scanner.h"

#include "common/number_text.h"

namespace tz9 {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool IsTerminator(char c) {
  return c == ',' || IsLineEnd(c);
}

}  // namespace

void FieldScanner::SkipBlanks() {
  while (!AtEnd() && IsBlank(Peek()))
    ++pos_;
}

void FieldScanner::SkipToTerminator() {
  while (!AtEnd() && !IsTerminator(Peek()))
    ++pos_;
}

bool FieldScanner::StartField() {
  if (AtEnd()) {
    if (!comma_before_end_) {
      // A file that ends with a line end has its last line before it.
      field_line_ = (pos_ > 0 && IsLineEnd(bytes_[pos_ - 1])) ? line_ - 1 : line_;
      if (field_line_ < 1) field_line_ = 1;
      return false;
    }
    comma_before_end_ = false;
    field_line_ = line_;
    return true;
  }
  SkipBlanks();
  field_line_ = line_;
  return true;
}

void FieldScanner::ConsumeTerminator() {
  comma_before_end_ = false;
  if (AtEnd()) return;
  const char c = Peek();
  ++pos_;
  if (c == ',') {
    comma_before_end_ = AtEnd();
  } else if (c == '\r') {
    if (!AtEnd() && Peek() == '\n') ++pos_;
    ++line_;
  } else {
    ++line_;
  }
}

bool FieldScanner::Next(Field& field) {
  if (!StartField()) return false;
  field = Field{};
  if (AtEnd()) return true;  // an empty field after a final comma or on a last blank line
  if (Peek() == '"') {
    const size_t start = ++pos_;
    while (!AtEnd() && Peek() != '"' && !IsLineEnd(Peek()))
      ++pos_;
    field.text = bytes_.substr(start, pos_ - start);
    field.quoted = true;
    SkipToTerminator();  // whatever follows the closing quote is dropped
  } else {
    const size_t start = pos_;
    SkipToTerminator();
    size_t end = pos_;
    while (end > start && IsBlank(bytes_[end - 1]))
      --end;
    field.text = bytes_.substr(start, end - start);
  }
  ConsumeTerminator();
  return true;
}

bool FieldScanner::NextNumber(double& value) {
  if (!StartField()) return false;
  const size_t start = pos_;
  while (!AtEnd() && !IsTerminator(Peek()) && !IsBlank(Peek()))
    ++pos_;
  value = ParseLeadingNumber(bytes_.substr(start, pos_ - start));
  if (!AtEnd() && IsBlank(Peek())) {
    SkipBlanks();
    if (AtEnd() || !IsTerminator(Peek())) {
      comma_before_end_ = false;
      return true;  // the next field starts here
    }
  }
  ConsumeTerminator();
  return true;
}

}  // namespace tz9
