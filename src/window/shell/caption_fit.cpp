// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/caption_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace tz9 {
namespace {

// Space an option button leaves for its text beside its indicator.
int TextRoom(const QRadioButton& option) {
  QStyleOptionButton style;
  style.initFrom(&option);
  style.text = option.text();
  return option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option).width();
}

int TextRoom(const QLabel& label) {
  return label.contentsRect().width();
}

template <typename Caption>
void ShrinkToFit(Caption* caption) {
  QFont font = caption->font();
  while (font.pixelSize() > kSmallestCaptionPixels &&
         QFontMetrics(font).horizontalAdvance(caption->text()) > TextRoom(*caption)) {
    font.setPixelSize(font.pixelSize() - 1);
    caption->setFont(font);
  }
}

}  // namespace

void FitCaptions(QWidget* client) {
  for (QLabel* label : client->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!label->wordWrap()) ShrinkToFit(label);
  }
  for (QRadioButton* option :
       client->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
    ShrinkToFit(option);
}

}  // namespace tz9
