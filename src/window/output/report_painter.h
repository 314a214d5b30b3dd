// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a computation, painted page by page on a PDF writer or a printer: a first page
// with the inputs and the legend, then each grid in its colours, cut into pages of columns and
// rows with the speed and altitude headers on every page, then any further sections (the
// performance summary, charts). Sizes are in points; the device's page layout gives the page.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "tables/result_grid.h"

class QPagedPaintDevice;

namespace tz9 {

// A part of the report after the grids: a heading, lines of text and a picture (a chart),
// either of which may be empty. Text lines wider than the page are cut with "…"; the picture is
// scaled to fit a page.
struct ReportSection {
  QString heading;
  QStringList lines;
  QImage picture;
};

struct ReportGrid {
  QString caption;  // "Fuel Flow (lb/h)"
  const ResultGrid* grid = nullptr;
};

struct ReportContent {
  QString title;       // on every page
  QStringList inputs;  // "Aircraft: Check Aircraft", one line each, on the first page
  std::vector<ReportGrid> grids;
  std::vector<ReportSection> sections;
};

// The pages a report takes on a page of this size (points, inside the margins).
int ReportPageCount(const ReportContent& content, QSizeF pagePoints);

// Paints the whole report; false when the device cannot be painted on (a file that cannot be
// opened, a printer in error).
bool PaintReport(const ReportContent& content, QPagedPaintDevice& device);

}  // namespace tz9
