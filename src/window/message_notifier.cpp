// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_notifier.h"

#include <QMessageBox>

namespace tz9 {

void MessageBoxNotifier::Inform(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace tz9
