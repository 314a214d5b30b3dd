// SPDX-License-Identifier: GPL-3.0-or-later
// FieldScanner: splits the bytes of an aircraft file into the fields the reader walks. A field
// ends at a comma or a line end (CR LF, LF or a lone CR); blanks before it are skipped and
// blanks after it dropped; a field that opens with a double quote is text up to the closing
// quote. Every comma separates, so "a,b," holds three fields; the end of the file right after a
// line end is not another field.
#pragma once

#include <string_view>

namespace tz9 {

class FieldScanner {
 public:
  explicit FieldScanner(std::string_view bytes) : bytes_(bytes) {}

  struct Field {
    std::string_view text;
    bool quoted = false;  // a quoted field is text even when it looks like a number
  };

  // The next field, or false at the end of the file.
  bool Next(Field& field);

  // The next field as a number destination: the run up to the first blank, comma or line end,
  // read with the lenient parse (0 when it holds no number). After a run that ended at a blank,
  // further blanks and a comma or line end right after them belong to this field.
  bool NextNumber(double& value);

  // The 1-based line on which the last field started; at the end of the file, the last line.
  int Line() const { return field_line_; }

 private:
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  char Peek() const { return bytes_[pos_]; }
  bool StartField();  // false at the end of the file; otherwise skips leading blanks
  void SkipBlanks();
  void ConsumeTerminator();  // the comma or line end that ends a field, if any
  void SkipToTerminator();

  std::string_view bytes_;
  size_t pos_ = 0;
  int line_ = 1;
  int field_line_ = 1;
  bool comma_before_end_ = false;  // a comma was the last byte: one empty field remains
};

}  // namespace tz9
