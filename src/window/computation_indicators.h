// SPDX-License-Identifier: GPL-3.0-or-later
// Two labels that keep the grids honest. Above the first grid, a marker shows while the data
// cells are not the result of the headers, fields, option and aircraft now, and says why.
// Beside the second grid's fixed caption, an indicator names what its cells hold: the quantity
// of the last computation, and in "TAS" and "Mach Number" that the backgrounds are older.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "performance/table_computation.h"

class QLabel;
class QWidget;

namespace tz9 {

class Form1;

// What a computation no longer matches, in words ("the table was re-laid", ...); the second
// grid's option counts only for what the grids show.
QStringList StalenessReasons(const Staleness& staleness, bool optionCounts);

// "Out of date: the table was re-laid since the last Compute Table", the reasons joined; empty
// while the computation is current.
QString OutOfDateText(const Staleness& staleness);

// "2nd grid: true airspeed (kt) from the last Compute Table; ...", or what it holds before any.
QString SecondGridShowsText(const TableComputation* computation);

class ComputationIndicators final : public QObject {
  Q_OBJECT

 public:
  // Places lblOutOfDate and lblSecondGridShows on client and follows every change of form that
  // can make its computation stale or replace it (Form1::StalenessMayHaveChanged).
  ComputationIndicators(Form1& form, QWidget* client);

  void Refresh();

 private:
  Form1& form_;
  QLabel* outOfDate_;
  QLabel* secondGridShows_;
};

}  // namespace tz9
