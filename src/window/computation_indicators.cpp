// SPDX-License-Identifier: GPL-3.0-or-later

#include "computation_indicators.h"

#include <QLabel>
#include <QStringList>
#include <string_view>

#include "form1.h"
#include "tables/display_mode.h"
#include "twips.h"
#include "view_text.h"

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

QStringList StalenessReasons(const Staleness& staleness, bool optionCounts) {
  QStringList reasons;
  if (staleness.tableRelaid) reasons << QStringLiteral("the table was re-laid");
  if (staleness.inputsEdited) reasons << QStringLiteral("the weight or stores were edited");
  if (optionCounts && staleness.modeChanged)
    reasons << QStringLiteral("the 2nd Grid option changed");
  if (staleness.aircraftChanged) reasons << QStringLiteral("the aircraft changed");
  return reasons;
}

QString OutOfDateText(const Staleness& staleness) {
  const QStringList reasons = StalenessReasons(staleness, true);
  if (reasons.isEmpty()) return {};
  return QStringLiteral("Out of date: %1 since the last Compute Table").arg(JoinedInWords(reasons));
}

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

ComputationIndicators::ComputationIndicators(Form1& form, QWidget* client)
    : QObject(client),
      form_(form),
      outOfDate_(AddIndicator(client, "lblOutOfDate", kFirstCaptionTop,
                              QStringLiteral("QLabel { color: #a00000; background-color: #ffe4e4;"
                                             " border: 1px solid #a00000;"
                                             " padding-left: 3px; }"))),
      secondGridShows_(AddIndicator(client, "lblSecondGridShows", kSecondCaptionTop,
                                    QStringLiteral("QLabel { color: #1a3c8c; }"))) {
  setObjectName(QStringLiteral("computationIndicators"));
  connect(&form, &Form1::StalenessMayHaveChanged, this, &ComputationIndicators::Refresh);
  Refresh();
}

void ComputationIndicators::Refresh() {
  const QString outOfDate = OutOfDateText(form_.CurrentStaleness());
  outOfDate_->setText(outOfDate);
  outOfDate_->setVisible(!outOfDate.isEmpty());
  secondGridShows_->setText(SecondGridShowsText(form_.computation().get()));
}

}  // namespace tz9
