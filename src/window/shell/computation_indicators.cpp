// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/computation_indicators.h"

#include <QLabel>
#include <QStringList>
#include <string_view>

#include "tables/display_mode.h"
#include "widgets/staleness_text.h"
#include "widgets/twips.h"
#include "widgets/view_text.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

// Both stand in their grid's caption row, right of the caption's text, to the box's edge.
constexpr int kIndicatorLeft = 1200;
constexpr int kIndicatorWidth = 13815;
constexpr int kIndicatorHeight = 255;
constexpr int kFirstCaptionTop = 3480;
constexpr int kSecondCaptionTop = 7200;

QLabel* AddIndicator(QWidget* client, const char* name, int top, const QString& style) {
  auto* label = new QLabel(client);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(RectFromTwips(kIndicatorLeft, top, kIndicatorWidth, kIndicatorHeight));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setStyleSheet(style);
  return label;
}

}  // namespace

QString SecondGridShowsText(const TableComputation* computation) {
  if (computation == nullptr)
    return QStringLiteral("2nd grid: empty until the first Compute Table");
  const DisplayModeInfo& info = InfoOf(computation->mode);
  const QString shows = QStringLiteral("2nd grid: %1 from the last Compute Table")
                            .arg(QStringFromView(info.quantity));
  if (info.paintsSteadyCells) return shows;
  return shows +
         QStringLiteral("; cells with steady flight keep the backgrounds of an earlier run");
}

ComputationIndicators::ComputationIndicators(const Workspace& workspace, QWidget* client)
    : QObject(client),
      workspace_(workspace),
      outOfDate_(AddIndicator(client, "lblOutOfDate", kFirstCaptionTop,
                              QStringLiteral("QLabel { color: #a00000; background-color: #ffe4e4;"
                                             " border: 1px solid #a00000;"
                                             " padding-left: 3px; }"))),
      secondGridShows_(AddIndicator(client, "lblSecondGridShows", kSecondCaptionTop,
                                    QStringLiteral("QLabel { color: #1a3c8c; }"))) {
  setObjectName(QStringLiteral("computationIndicators"));
  connect(&workspace, &Workspace::StalenessMayHaveChanged, this, &ComputationIndicators::Refresh);
  Refresh();
}

void ComputationIndicators::Refresh() {
  const QString outOfDate = OutOfDateText(workspace_.CurrentStaleness(), StaleSubject::Grids);
  outOfDate_->setText(outOfDate);
  outOfDate_->setVisible(!outOfDate.isEmpty());
  secondGridShows_->setText(SecondGridShowsText(workspace_.computation().get()));
}

}  // namespace tz9
