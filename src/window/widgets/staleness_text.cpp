// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/staleness_text.h"

#include "widgets/view_text.h"

namespace tz9 {

QStringList StalenessReasons(const Staleness& staleness, bool optionCounts) {
  QStringList reasons;
  if (staleness.tableRelaid) reasons << QStringLiteral("the table was re-laid");
  if (staleness.inputsEdited) reasons << QStringLiteral("the weight or stores were edited");
  if (optionCounts && staleness.modeChanged)
    reasons << QStringLiteral("the 2nd Grid option changed");
  if (staleness.aircraftChanged) reasons << QStringLiteral("the aircraft changed");
  return reasons;
}

QString OutOfDateText(const Staleness& staleness, StaleSubject subject, bool newerComputation) {
  if (subject == StaleSubject::Analysis && newerComputation) {
    return QStringLiteral(
        "Out of date: Compute Table has run again since the table it stands for.");
  }
  const QStringList reasons = StalenessReasons(staleness, subject == StaleSubject::Grids);
  if (reasons.isEmpty()) return {};
  if (subject == StaleSubject::Grids) {
    // The grids draw such cells grey: the marker is their legend.
    const QString grey = staleness.tableRelaid ? QStringLiteral(" (grey figures)") : QString();
    return QStringLiteral("Out of date: %1 since the last Compute Table%2")
        .arg(JoinedInWords(reasons), grey);
  }
  return QStringLiteral("Out of date: %1 since the Compute Table it stands for.")
      .arg(JoinedInWords(reasons));
}

}  // namespace tz9
