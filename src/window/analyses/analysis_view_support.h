// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the windows that show an analysis of the last computation (the performance summary
// and the mission fuel): the words for the computation a window stands for and for what it no
// longer matches, the progress row with its Cancel, the text tables they show, the number forms of
// those tables, and their labels.
#pragma once

#include <QString>
#include <QWidget>
#include <span>
#include <string_view>

#include "performance/table_computation.h"
#include "tables/result_grid.h"
#include "widgets/view_text.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tz9 {

class AnalysisTask;
class Workspace;

// "2 AIM120, 1 ALQ131, 2 370USG", or "no stores": the counts as their fields showed them.
QString LoadoutWords(const TableComputation& computation);

// "generic-fighter.dat at 35600 lb with 2 AIM120, 2 370USG; 11 altitudes by 23 speeds
// (150 to 850 kt)".
QString ComputationCaption(const TableComputation& computation);

// "Baseline: Generic Fighter, 36,000 lb, AA Missiles x2, Fuel Tank x2": the aircraft's name as
// shown when the baseline was computed (else its file name), its weight with thousands
// separators, and each store it counts by the name of the store's count field. Empty without a
// baseline.
QString BaselineCaption(const Workspace& workspace);

// Hours as "h:mm", to the nearest minute ("0:00", "2:05", "27:30").
QString HoursMinutes(double hours);

// The shortest text that reads back as the same double ("381", "35950.5").
QString Shortest(double value);

// The row under an analysis table while it runs: what it does, a progress bar and Cancel. It
// keeps its place while hidden, so the table does not jump.
class AnalysisProgress final : public QWidget {
  Q_OBJECT

 public:
  // barName and cancelName are the objectNames of the bar and the button; running says what
  // runs ("Summarizing the table").
  AnalysisProgress(AnalysisTask& task, const char* barName, const char* cancelName,
                   const QString& running, QWidget* parent);

  QProgressBar* bar() const { return bar_; }
  QPushButton* cancel() const { return cancel_; }

 private:
  void SetRunning(bool running);

  QLabel* label_;
  QProgressBar* bar_;
  QPushButton* cancel_;
};

// A label named name whose text wraps and can be selected, for the sentences of a window or
// panel (the analysis windows, the cell details).
QLabel* WrappingLabel(const char* name, QWidget* parent);
// The same in the dark red of a window's notes and refusals.
QLabel* NoticeLabel(const char* name, QWidget* parent);

// One column of an analysis table.
struct TableColumn {
  const char* caption;
  int widthTwips;
};

// A text table of `rows` data rows in the form of the grids: row 0 holds the captions, column 0
// the altitude headers (caption of column 0: the header cell's text), every data cell empty and
// centred. ResultGridView shows it and copies it as it copies the grids.
ResultGrid MakeTextTable(int rows, std::span<const TableColumn> columns);
void PutText(ResultGrid& table, int row, int col, const QString& text);

}  // namespace tz9
