// SPDX-License-Identifier: GPL-3.0-or-later

#include "aircraft/field_value.h"

#include "common/number_text.h"

namespace tz9 {

std::string FieldValue::TextForm() const {
  switch (kind_) {
    case Kind::Number:
      return FormatGeneral(number_);
    case Kind::Text:
      return text_;
    case Kind::Empty:
      break;
  }
  return {};
}

}  // namespace tz9
