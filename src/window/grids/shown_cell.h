// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of one data cell of its grids: whether the last "Compute Table" made it,
// what has changed since, and its details; and the cell's tooltip in words. The grids keep the
// results of earlier runs after "Create Table", so a cell is matched with the computation by its
// place and text, and its headers then are those the computation kept.
#pragma once

#include <QString>
#include <QStringList>

#include "performance/cell_details.h"

namespace tz9 {

class Workspace;

struct ShownCell {
  bool computed = false;  // made by the last "Compute Table"; the rest is set only then
  CellDetails details;
  QString computedFor;       // "630 kt, 0 ft": the cell's headers when it was computed
  QStringList changedSince;  // "the table was re-laid", ...: empty while it is current
};

// The data cell at grid row and column (from 1) of either grid (both show the same cells). It
// costs one evaluation when the last computation made the cell, none otherwise.
ShownCell LookUpCell(const Workspace& workspace, GridCell cell);

// "Not computed yet: press Compute Table.", "Out of date: computed for 630 kt, 0 ft before the
// table was re-laid.", or nothing for a current cell.
QString CellStateText(const ShownCell& cell);

// "Military power, subsonic", "Afterburner, supersonic", "No steady flight", "Could not be
// computed".
QString RegimeWords(const CellDetails& details);

// The tooltip of a data cell: regime, fuel flow and fuel per nautical mile, TAS and Mach, the
// drag against the thrust it was compared with and the excess thrust; for "------" the reason.
QString CellToolTip(const Workspace& workspace, GridCell cell);

}  // namespace tz9
