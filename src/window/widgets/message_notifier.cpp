// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/message_notifier.h"

#include <QFontMetrics>
#include <QMessageBox>

namespace tz9 {

int TitleBarWidthFor(const QString& title, const QFont& font) {
  // Window managers draw titles bold and larger than the program's own text, beside their
  // buttons; a box narrower than this shows the title cut ("Strako...mances").
  constexpr double kTitleFontScale = 1.4;
  constexpr int kTitleButtonsAndMargins = 150;  // close, maximise, minimise and padding
  QFont titleFont = font;
  titleFont.setBold(true);
  if (font.pointSizeF() > 0) {
    titleFont.setPointSizeF(font.pointSizeF() * kTitleFontScale);
  } else {
    titleFont.setPixelSize(qRound(font.pixelSize() * kTitleFontScale));
  }
  return QFontMetrics(titleFont).horizontalAdvance(title) + kTitleButtonsAndMargins;
}

void MessageBoxNotifier::Inform(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
  // The text label is the box's widest part: holding it wide makes the box wide enough.
  box.setStyleSheet(
      QStringLiteral("QLabel { min-width: %1px; }").arg(TitleBarWidthFor(title, box.font())));
  box.exec();
}

}  // namespace tz9
