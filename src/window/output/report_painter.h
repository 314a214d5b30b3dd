// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a computation, painted page by page on a PDF writer or a printer: a first page
// with the inputs and the legend, then each grid in its colours, cut into pages of columns and
// rows with the speed and altitude headers on every page, then any further sections (the
// performance summary, the mission fuel). Sizes are in points; the pages are those of
// tables/report_pages.h. Painting reads only the content it is given, so it may run on a thread
// of its own (a QPdfWriter or a QPrinter, never a widget).
#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "tables/report_pages.h"
#include "tables/result_grid.h"

class QPageLayout;
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
  QString caption;                         // "Fuel Flow (lb/h)"
  std::shared_ptr<const ResultGrid> grid;  // a copy: the window's grids may change meanwhile
};

struct ReportContent {
  QString title;       // on every page
  QStringList inputs;  // "Aircraft: Check Aircraft", one line each, on the first page
  std::vector<ReportGrid> grids;
  std::vector<ReportSection> sections;
};

// The page inside the layout's margins, in points.
QSizeF ReportPagePoints(const QPageLayout& layout);

// The pages of the report in the scope, on a page of pagePoints.
std::vector<ReportPage> PlanReport(const ReportContent& content, QSizeF pagePoints,
                                   ReportScope scope);

enum class PaintOutcome { Painted, Stopped, Failed };

// Paints pages (of PlanReport for pagePoints) on the device; after each page, carryOn (when
// given) hears how many are done and may stop the painting by returning false. Failed: the
// device could not be painted on (a file that cannot be opened, a printer in error).
PaintOutcome PaintReport(const ReportContent& content, const std::vector<ReportPage>& pages,
                         QSizeF pagePoints, QPagedPaintDevice& device,
                         const std::function<bool(int pagesDone)>& carryOn = {});

}  // namespace tz9
