// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose caption wraps onto a second line when it is wider than the button, as
// the narrow command buttons of the main window need ("Compute Weight" in 65 pixels).
#pragma once

#include <QPushButton>

namespace tz9 {

class WrappingButton final : public QPushButton {
  Q_OBJECT

 public:
  WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tz9
