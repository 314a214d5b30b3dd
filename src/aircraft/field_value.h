// SPDX-License-Identifier: GPL-3.0-or-later
// FieldValue: one value of the aircraft file exactly as its field was read: empty, a number,
// or text. Empty counts as 0 wherever a number is needed; text where a number is needed is a
// type mismatch, which callers report instead of computing on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tz9 {

class FieldValue {
 public:
  enum class Kind : std::uint8_t { Empty, Number, Text };

  FieldValue() = default;
  static FieldValue Number(double value) {
    FieldValue v;
    v.kind_ = Kind::Number;
    v.number_ = value;
    return v;
  }
  static FieldValue Text(std::string_view text) {
    FieldValue v;
    v.kind_ = Kind::Text;
    v.text_.assign(text);
    return v;
  }

  Kind kind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Empty; }
  bool IsNumber() const { return kind_ == Kind::Number; }
  bool IsText() const { return kind_ == Kind::Text; }

  // The value where a number is needed: the number, 0 for empty, nothing for text.
  std::optional<double> AsNumber() const {
    if (kind_ == Kind::Text) return std::nullopt;
    return number_;  // 0 when empty
  }

  // The text form: the number in the general number format, the text itself, or "".
  std::string TextForm() const;

  // The text as read; empty for the other kinds.
  const std::string& text() const { return text_; }

  friend bool operator==(const FieldValue& a, const FieldValue& b) {
    return a.kind_ == b.kind_ && a.number_ == b.number_ && a.text_ == b.text_;
  }

 private:
  Kind kind_ = Kind::Empty;
  double number_ = 0;
  std::string text_;
};

}  // namespace tz9
