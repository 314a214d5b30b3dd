// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/status_line.h"

#include <QLabel>
#include <QLineEdit>

namespace tz9 {

StatusLine::StatusLine(QLabel* label, QObject* parent) : QObject(parent), label_(label) {
  setObjectName(QStringLiteral("statusLine"));
}

void StatusLine::ExpireWhenEdited(const std::vector<QLineEdit*>& fields) {
  Forget();
  expiring_ = label_->text();
  for (QLineEdit* field : fields) {
    watches_.push_back(connect(field, &QLineEdit::textChanged, this, [this] {
      if (label_->text() == expiring_) label_->clear();
      Forget();
    }));
  }
}

void StatusLine::Forget() {
  for (const QMetaObject::Connection& watch : watches_)
    disconnect(watch);
  watches_.clear();
}

QString FieldCaption(const QLineEdit& field) {
  // "txtFuelTank" is labelled by "lblFuelTank", as the controls are built.
  const QString labelName = QStringLiteral("lbl") + field.objectName().mid(3);
  const auto* label = field.parentWidget() == nullptr
                          ? nullptr
                          : field.parentWidget()->findChild<QLabel*>(labelName);
  if (label == nullptr) return field.objectName();
  QString caption = label->text();
  if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
  return caption.trimmed();
}

QString CountResetText(const QString& caption, const QString& rejected) {
  constexpr int kShownChars = 40;  // the status line stays one readable line
  const QString shown = rejected.size() <= kShownChars
                            ? rejected
                            : rejected.left(kShownChars) + QStringLiteral("...");
  return QStringLiteral("%1: \"%2\" is not a number, so the count was set to 0.")
      .arg(caption, shown);
}

QString LoadCancelledText() {
  return QStringLiteral("Load cancelled: the aircraft and its fields stay as they were.");
}

}  // namespace tz9
