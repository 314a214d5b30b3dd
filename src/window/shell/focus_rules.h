// SPDX-License-Identifier: GPL-3.0-or-later
// When a field has been left: the focus went to another control of the same window. A menu
// that opens, a dialog that shows or another program that takes over only borrow the focus.
#pragma once

class QFocusEvent;
class QWidget;

namespace tz9 {

// For a FocusOut event of a control of window: true when the focus moved to another control of
// window (or was moved by the keyboard or the mouse with no new holder known yet).
bool FocusMovesWithinWindow(const QFocusEvent& event, const QWidget& window);

}  // namespace tz9
