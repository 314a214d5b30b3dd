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

class Workspace;

// "2nd grid: true airspeed (kt) from the last Compute Table; ...", or what it holds before any.
QString SecondGridShowsText(const TableComputation* computation);

class ComputationIndicators final : public QObject {
  Q_OBJECT

 public:
  // Places lblOutOfDate and lblSecondGridShows on client and follows every change of the
  // workspace that can make its computation stale or replace it.
  ComputationIndicators(const Workspace& workspace, QWidget* client);

  void Refresh();

 private:
  const Workspace& workspace_;
  QLabel* outOfDate_;
  QLabel* secondGridShows_;
};

}  // namespace tz9
