// SPDX-License-Identifier: GPL-3.0-or-later
// The core's texts as the window shows them: std::string_view to QString, header texts without
// their blanks, and lists joined in words.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "common/number_text.h"

namespace tz9 {

inline QString QStringFromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Without the blanks at either end: " 300" as "300".
inline QString TrimmedQString(std::string_view text) {
  return QStringFromView(TrimBlanks(text));
}

// "a", "a and b", "a, b and c".
inline QString JoinedInWords(const QStringList& parts) {
  if (parts.size() < 2) return parts.join(QString());
  return parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
         parts.last();
}

}  // namespace tz9
