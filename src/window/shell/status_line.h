// SPDX-License-Identifier: GPL-3.0-or-later
// The status line's own rules of truth: a refusal is cleared as soon as the user edits one of the
// inputs it is about, since it may no longer hold; and the window's wording for what it does on
// its own initiative (a count reset to "0", a cancelled Load).
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;

namespace tz9 {

class StatusLine final : public QObject {
  Q_OBJECT

 public:
  StatusLine(QLabel* label, QObject* parent);

  // The message shown now is cleared by the first change of one of fields, unless another
  // message has replaced it by then. Each call forgets the fields of the previous one.
  void ExpireWhenEdited(const std::vector<QLineEdit*>& fields);

 private:
  void Forget();

  QLabel* label_;
  QString expiring_;
  std::vector<QMetaObject::Connection> watches_;
};

// The caption of a field as its label shows it, without the closing colon: "Fuel Tank".
QString FieldCaption(const QLineEdit& field);

// `Fuel Tank: "1," is not a number, so the count was set to 0.` A long rejected text is cut.
QString CountResetText(const QString& caption, const QString& rejected);

QString LoadCancelledText();

}  // namespace tz9
