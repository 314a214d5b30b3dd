// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/focus_rules.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace tz9 {

bool FocusMovesWithinWindow(const QFocusEvent& event, const QWidget& window) {
  switch (event.reason()) {
    case Qt::PopupFocusReason:         // a menu or a popup list opened
    case Qt::ActiveWindowFocusReason:  // a dialog or another program became active
    case Qt::MenuBarFocusReason:       // Alt went to the menu bar
      return false;
    default:
      break;
  }
  // By the time a control hears that it lost the focus, the new holder has it.
  const QWidget* holder = QApplication::focusWidget();
  return holder == nullptr || holder->window() == window.window();
}

}  // namespace tz9
