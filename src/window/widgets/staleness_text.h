// SPDX-License-Identifier: GPL-3.0-or-later
// The window's words for what a computation no longer matches: one home for the marker above the
// grids, the analysis windows and the cell details.
#pragma once

#include <QString>
#include <QStringList>

#include "tables/staleness.h"

namespace tz9 {

// What a computation no longer matches, in words ("the table was re-laid", ...); the second
// grid's option counts only for what the grids show.
QStringList StalenessReasons(const Staleness& staleness, bool optionCounts);

// Who is out of date: the grids (against the last Compute Table), or an analysis (against the
// Compute Table it stands for, which a newer one may have replaced).
enum class StaleSubject { Grids, Analysis };

// "Out of date: the table was re-laid since the last Compute Table" for the grids; "Out of date:
// the table was re-laid and the weight or stores were edited since the Compute Table it stands
// for." for an analysis, which the second grid's option does not change. Empty while current.
QString OutOfDateText(const Staleness& staleness, StaleSubject subject,
                      bool newerComputation = false);

}  // namespace tz9
