// SPDX-License-Identifier: GPL-3.0-or-later
// The window's one message box, "Work in Progress", behind a small interface so that the tests
// can observe it without a modal box waiting for a click.
#pragma once

#include <QString>

class QFont;
class QWidget;

namespace tz9 {

class MessageNotifier {
 public:
  virtual ~MessageNotifier() = default;
  // Shows text with the caption title and waits for OK.
  virtual void Inform(const QString& title, const QString& text) = 0;
};

// The width a window needs for its title bar to show title whole, for a window whose text is in
// font.
int TitleBarWidthFor(const QString& title, const QFont& font);

// A modal QMessageBox with a single OK button and no icon, wide enough for its whole title.
class MessageBoxNotifier final : public MessageNotifier {
 public:
  explicit MessageBoxNotifier(QWidget* parent) : parent_(parent) {}
  void Inform(const QString& title, const QString& text) override;

 private:
  QWidget* parent_;
};

}  // namespace tz9
