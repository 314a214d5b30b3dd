// SPDX-License-Identifier: GPL-3.0-or-later
// The window's view of one computed cell and its tooltip.

#include "grids/shown_cell.h"

#include "common/number_text.h"
#include "widgets/view_text.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

// Short readable forms: whole pounds and knots, three significant digits elsewhere.
QString Whole(double value) {
  return QString::number(value, 'f', 0);
}
QString Short(double value) {
  return QString::number(value, 'g', 3);
}

// What has changed since the computation, as far as this cell is concerned: its own headers,
// and the fields, option and aircraft every cell depends on.
QStringList ChangedSince(const Workspace& workspace, const TableComputation& computation,
                         GridCell cell) {
  QStringList changes;
  if (!workspace.StillComputedAt(computation, cell))
    changes << QStringLiteral("the table was re-laid");
  const Staleness staleness = workspace.CurrentStaleness();
  if (staleness.inputsEdited) changes << QStringLiteral("the weight or a store count was edited");
  if (staleness.modeChanged) changes << QStringLiteral("the second grid's choice was changed");
  if (staleness.aircraftChanged) changes << QStringLiteral("the aircraft changed");
  return changes;
}

// "Drag 2371 lbf, Military thrust 2500 lbf: excess thrust 129 lbf".
QString ForceLine(const CellDetails& d, const std::optional<double>& thrust,
                  const std::optional<double>& excess, const QString& power) {
  return QStringLiteral("Drag %1 lbf, %2 thrust %3 lbf: excess thrust %4 lbf")
      .arg(Whole(*d.totalDrag), power, Whole(*thrust), Whole(*excess));
}

QStringList ToolTipLines(const CellDetails& d) {
  QStringList lines;
  const QString reason = QString::fromStdString(CellReason(d));
  if (d.outcome == CellOutcome::Failed) return {reason};
  lines << RegimeWords(d);
  if (d.fuelFlow) {
    QString fuel = QStringLiteral("Fuel flow %1 lb/h").arg(Whole(*d.fuelFlow));
    if (d.lbsPerNm) fuel += QStringLiteral(", %1 lb/NM").arg(Short(*d.lbsPerNm));
    lines << fuel;
  } else {
    lines << reason;
  }
  if (d.tas && d.mach) {
    lines << QStringLiteral("TAS %1 kt, Mach %2").arg(Whole(*d.tas), Short(*d.mach));
  }
  if (d.totalDrag && d.afterburnerExcess) {
    lines << ForceLine(d, d.afterburnerThrust, d.afterburnerExcess, QStringLiteral("afterburner"));
  }
  if (d.totalDrag && d.militaryExcess) {
    lines << (d.afterburnerExcess
                  ? QStringLiteral("Military thrust %1 lbf: excess thrust %2 lbf")
                        .arg(Whole(*d.militaryThrust), Whole(*d.militaryExcess))
                  : ForceLine(d, d.militaryThrust, d.militaryExcess, QStringLiteral("Military")));
  }
  return lines;
}

}  // namespace

ShownCell LookUpCell(const Workspace& workspace, GridCell at) {
  ShownCell cell;
  const int gridRow = at.row;
  const int gridCol = at.col;
  const std::shared_ptr<const TableComputation> computation = workspace.computation();
  // A computed cell is never empty; one that is was added by a layout since.
  if (!computation || gridRow > computation->AltitudeCount() ||
      gridCol > computation->SpeedCount() || workspace.grid1().TextAt(gridRow, gridCol).empty()) {
    return cell;
  }
  cell.computed = true;
  cell.details = DetailComputationCell(*computation, gridRow, gridCol);
  const auto speed = TrimBlanks(computation->speedHeaders[static_cast<size_t>(gridCol - 1)]);
  const auto altitude = TrimBlanks(computation->altitudeHeaders[static_cast<size_t>(gridRow - 1)]);
  cell.computedFor =
      QStringLiteral("%1 kt, %2").arg(QStringFromView(speed), QStringFromView(altitude));
  cell.changedSince = ChangedSince(workspace, *computation, at);
  return cell;
}

QString CellStateText(const ShownCell& cell) {
  if (!cell.computed) return QStringLiteral("Not computed yet: press Compute Table.");
  if (cell.changedSince.isEmpty()) return {};
  // "A", "A and B", "A, B and C".
  QString changes = cell.changedSince.last();
  if (cell.changedSince.size() > 1) {
    changes = cell.changedSince.mid(0, cell.changedSince.size() - 1).join(QStringLiteral(", ")) +
              QStringLiteral(" and ") + changes;
  }
  return QStringLiteral("Out of date: computed for %1 before %2.").arg(cell.computedFor, changes);
}

QString RegimeWords(const CellDetails& details) {
  const QString speed = details.supersonic.value_or(false) ? QStringLiteral("supersonic")
                                                           : QStringLiteral("subsonic");
  switch (details.outcome) {
    case CellOutcome::Military:
      return QStringLiteral("Military power, ") + speed;
    case CellOutcome::Afterburner:
      return QStringLiteral("Afterburner, ") + speed;
    case CellOutcome::NoSteadyFlight:
      return QStringLiteral("No steady flight");
    case CellOutcome::Failed:
      break;
  }
  return QStringLiteral("Could not be computed");
}

QString CellToolTip(const Workspace& workspace, GridCell at) {
  const ShownCell cell = LookUpCell(workspace, at);
  if (!cell.computed) return CellStateText(cell);
  QStringList lines = ToolTipLines(cell.details);
  const QString state = CellStateText(cell);
  if (!state.isEmpty()) lines << state;
  return lines.join(QLatin1Char('\n'));
}

}  // namespace tz9
