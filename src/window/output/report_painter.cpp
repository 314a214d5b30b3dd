// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/report_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "common/number_text.h"
#include "grids/result_grid_model.h"
#include "widgets/view_text.h"

namespace tz9 {
namespace {

// Sizes in points.
constexpr double kCellWidth = 30;
constexpr double kAltitudeWidth = 50;  // the header column
constexpr double kRowHeight = 12;
constexpr double kTitleHeight = 22;    // the title line on top of every page and its gap
constexpr double kCaptionHeight = 18;  // a grid's caption, a section's heading
constexpr double kLineHeight = 13;
constexpr double kLegendHeight = 22;
constexpr double kFooterHeight = 14;
constexpr double kSwatchSize = 9;
constexpr int kTitlePoints = 13;
constexpr int kBodyPoints = 9;
constexpr int kCellPoints = 7;

constexpr Colour kHeaderFill = 0xE0E0E0;
constexpr Colour kCellLine = 0xC0C0C0;
constexpr Colour kHeaderLine = 0x000000;

// The four regimes as the window's legend shows them, and the text of no steady flight.
struct LegendEntry {
  Colour fill;
  const char* text;
};
constexpr LegendEntry kLegend[] = {
    {RegimeColour::White, "Subsonic, Military"},
    {RegimeColour::Yellow, "Subsonic, AB"},
    {RegimeColour::Green, "Supersonic, Military"},
    {RegimeColour::Red, "Supersonic, AB"},
};
constexpr const char* kNoSteadyFlightLegend = "------  no steady level flight";

// How much of a grid or of a text fits on one page.
struct PageCapacity {
  int cols = 1;
  int rows = 1;
  int lines = 1;
};

PageCapacity CapacityOf(QSizeF page) {
  const double body = page.height() - kTitleHeight - kFooterHeight - kCaptionHeight;
  PageCapacity capacity;
  capacity.cols = std::max(1, static_cast<int>((page.width() - kAltitudeWidth) / kCellWidth));
  capacity.rows = std::max(1, static_cast<int>((body - kLegendHeight - kRowHeight) / kRowHeight));
  capacity.lines = std::max(1, static_cast<int>(body / kLineHeight));
  return capacity;
}

// One page of the report: the inputs, a block of a grid, lines of a section or its picture.
struct Page {
  enum class Kind { Inputs, Grid, Lines, Picture };
  Kind kind = Kind::Inputs;
  size_t item = 0;               // the grid or section
  int firstCol = 1, endCol = 1;  // grid columns [firstCol, endCol), from 1
  int firstRow = 1, endRow = 1;
  int part = 1, parts = 1;  // of this grid
  int firstLine = 0, endLine = 0;
};

void PlanGrid(size_t item, const ResultGrid& grid, const PageCapacity& capacity,
              std::vector<Page>& pages) {
  const int dataCols = grid.Cols() - 1;
  const int dataRows = grid.Rows() - 1;
  if (dataCols < 1 || dataRows < 1) return;
  const int colBlocks = (dataCols + capacity.cols - 1) / capacity.cols;
  const int rowBlocks = (dataRows + capacity.rows - 1) / capacity.rows;
  int part = 0;
  for (int colBlock = 0; colBlock < colBlocks; ++colBlock) {
    for (int rowBlock = 0; rowBlock < rowBlocks; ++rowBlock) {
      Page page;
      page.kind = Page::Kind::Grid;
      page.item = item;
      page.firstCol = 1 + colBlock * capacity.cols;
      page.endCol = std::min(grid.Cols(), page.firstCol + capacity.cols);
      page.firstRow = 1 + rowBlock * capacity.rows;
      page.endRow = std::min(grid.Rows(), page.firstRow + capacity.rows);
      page.part = ++part;
      page.parts = colBlocks * rowBlocks;
      pages.push_back(page);
    }
  }
}

void PlanSection(size_t item, const ReportSection& section, const PageCapacity& capacity,
                 std::vector<Page>& pages) {
  const int lines = static_cast<int>(section.lines.size());
  for (int first = 0; first < lines || (first == 0 && section.picture.isNull());
       first += capacity.lines) {
    Page page;
    page.kind = Page::Kind::Lines;
    page.item = item;
    page.firstLine = first;
    page.endLine = std::min(lines, first + capacity.lines);
    pages.push_back(page);
  }
  if (!section.picture.isNull()) {
    Page page;
    page.kind = Page::Kind::Picture;
    page.item = item;
    pages.push_back(page);
  }
}

std::vector<Page> PlanPages(const ReportContent& content, QSizeF pagePoints) {
  const PageCapacity capacity = CapacityOf(pagePoints);
  std::vector<Page> pages(1);  // the inputs
  for (size_t i = 0; i < content.grids.size(); ++i)
    PlanGrid(i, *content.grids[i].grid, capacity, pages);
  for (size_t i = 0; i < content.sections.size(); ++i)
    PlanSection(i, content.sections[i], capacity, pages);
  return pages;
}

QFont FontOf(int points, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  // No ligatures: "fi" stays two letters, so the PDF's text reads and searches as written.
  font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
  // In pixels of the painter, which counts in points.
  font.setPixelSize(points);
  font.setBold(bold);
  return font;
}

// Paints pages in points on any paged device.
class ReportPainter {
 public:
  ReportPainter(const ReportContent& content, QPainter& painter, QSizeF page, int pageCount)
      : content_(content), painter_(painter), page_(page), pageCount_(pageCount) {}

  void PaintPage(const Page& page, int number) {
    PaintFrame(number);
    switch (page.kind) {
      case Page::Kind::Inputs:
        PaintInputs();
        break;
      case Page::Kind::Grid:
        PaintGridBlock(page);
        break;
      case Page::Kind::Lines:
        PaintLines(page);
        break;
      case Page::Kind::Picture:
        PaintPicture(content_.sections[page.item]);
        break;
    }
  }

 private:
  void PaintFrame(int number) {
    painter_.setPen(Qt::black);
    painter_.setFont(FontOf(kTitlePoints, true));
    painter_.drawText(QRectF(0, 0, page_.width(), kTitleHeight), Qt::AlignLeft | Qt::AlignTop,
                      content_.title);
    painter_.setFont(FontOf(kBodyPoints));
    painter_.drawText(QRectF(0, page_.height() - kFooterHeight, page_.width(), kFooterHeight),
                      Qt::AlignRight | Qt::AlignBottom,
                      QStringLiteral("Page %1 of %2").arg(number).arg(pageCount_));
  }

  // A line of text at y, cut to the page's width.
  void PaintLine(const QString& text, double y, const QFont& font) {
    painter_.setFont(font);
    const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, page_.width());
    painter_.drawText(QRectF(0, y, page_.width(), kLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                      shown);
  }

  void PaintInputs() {
    double y = kTitleHeight;
    PaintLine(QStringLiteral("Inputs"), y, FontOf(kBodyPoints + 1, true));
    y += kCaptionHeight;
    for (const QString& line : content_.inputs) {
      PaintLine(line, y, FontOf(kBodyPoints));
      y += kLineHeight;
    }
    PaintLegend(y + kLineHeight);
  }

  void PaintLegend(double y) {
    painter_.setFont(FontOf(kCellPoints + 1));
    const QFontMetricsF metrics(painter_.font());
    double x = 0;
    const double middle = y + kLegendHeight / 2;
    for (const LegendEntry& entry : kLegend) {
      const QRectF swatch(x, middle - kSwatchSize / 2, kSwatchSize, kSwatchSize);
      painter_.fillRect(swatch, QColorFromColour(entry.fill));
      painter_.setPen(Qt::black);
      painter_.drawRect(swatch);
      x += kSwatchSize + 4;
      const QString text = QString::fromLatin1(entry.text);
      painter_.drawText(QRectF(x, y, page_.width() - x, kLegendHeight),
                        Qt::AlignLeft | Qt::AlignVCenter, text);
      x += metrics.horizontalAdvance(text) + 16;
    }
    painter_.drawText(QRectF(x, y, page_.width() - x, kLegendHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kNoSteadyFlightLegend));
  }

  void PaintCell(const QRectF& rect, const QString& text, std::optional<Colour> fill, Colour line) {
    if (fill) painter_.fillRect(rect, QColorFromColour(*fill));
    painter_.setPen(QColorFromColour(line));
    painter_.drawRect(rect);
    painter_.setPen(Qt::black);
    const QString shown =
        QFontMetricsF(painter_.font()).elidedText(text, Qt::ElideRight, rect.width() - 2);
    painter_.drawText(rect, Qt::AlignCenter, shown);
  }

  QString BlockCaption(const ReportGrid& shown, const Page& page) const {
    const ResultGrid& grid = *shown.grid;
    QString caption = QStringLiteral("%1: %2 to %3 kt, %4 to %5")
                          .arg(shown.caption, TrimmedQString(grid.TextAt(0, page.firstCol)),
                               TrimmedQString(grid.TextAt(0, page.endCol - 1)),
                               TrimmedQString(grid.TextAt(page.firstRow, 0)),
                               TrimmedQString(grid.TextAt(page.endRow - 1, 0)));
    if (page.parts > 1)
      caption += QStringLiteral(" (part %1 of %2)").arg(page.part).arg(page.parts);
    return caption;
  }

  // The block's cells under the speed headers and beside the altitude headers of its columns
  // and rows, the legend below.
  void PaintGridBlock(const Page& page) {
    const ReportGrid& shown = content_.grids[page.item];
    const ResultGrid& grid = *shown.grid;
    double y = kTitleHeight;
    PaintLine(BlockCaption(shown, page), y, FontOf(kBodyPoints + 1, true));
    y += kCaptionHeight;
    painter_.setFont(FontOf(kCellPoints));
    const double top = y;
    const auto x = [&page](int col) { return kAltitudeWidth + (col - page.firstCol) * kCellWidth; };
    const auto yOf = [&page, top](int row) { return top + (row - page.firstRow + 1) * kRowHeight; };
    // The cells first, so that the headers' black lines stay on top of the cells' grey ones.
    for (int row = page.firstRow; row < page.endRow; ++row) {
      for (int col = page.firstCol; col < page.endCol; ++col) {
        PaintCell(QRectF(x(col), yOf(row), kCellWidth, kRowHeight),
                  TrimmedQString(grid.TextAt(row, col)), grid.BackColorAt(row, col), kCellLine);
      }
    }
    PaintCell(QRectF(0, top, kAltitudeWidth, kRowHeight), QString(), kHeaderFill, kHeaderLine);
    for (int col = page.firstCol; col < page.endCol; ++col) {
      PaintCell(QRectF(x(col), top, kCellWidth, kRowHeight), TrimmedQString(grid.TextAt(0, col)),
                kHeaderFill, kHeaderLine);
    }
    for (int row = page.firstRow; row < page.endRow; ++row) {
      PaintCell(QRectF(0, yOf(row), kAltitudeWidth, kRowHeight),
                TrimmedQString(grid.TextAt(row, 0)), kHeaderFill, kHeaderLine);
    }
    y = yOf(page.endRow);
    PaintLegend(y + 4);
  }

  void PaintLines(const Page& page) {
    const ReportSection& section = content_.sections[page.item];
    double y = kTitleHeight;
    PaintLine(section.heading, y, FontOf(kBodyPoints + 1, true));
    y += kCaptionHeight;
    for (int i = page.firstLine; i < page.endLine; ++i) {
      PaintLine(section.lines[i], y, FontOf(kBodyPoints));
      y += kLineHeight;
    }
  }

  void PaintPicture(const ReportSection& section) {
    const double top = kTitleHeight + kCaptionHeight;
    PaintLine(section.heading, kTitleHeight, FontOf(kBodyPoints + 1, true));
    const QSizeF room(page_.width(), page_.height() - top - kFooterHeight);
    const QSizeF size = QSizeF(section.picture.size()).scaled(room, Qt::KeepAspectRatio);
    painter_.drawImage(QRectF(QPointF(0, top), size), section.picture);
  }

  const ReportContent& content_;
  QPainter& painter_;
  QSizeF page_;
  int pageCount_;
};

}  // namespace

int ReportPageCount(const ReportContent& content, QSizeF pagePoints) {
  return static_cast<int>(PlanPages(content, pagePoints).size());
}

bool PaintReport(const ReportContent& content, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // Everything is laid out in points, whatever the device's resolution.
  const double dotsPerPointX = device.logicalDpiX() / 72.0;
  const double dotsPerPointY = device.logicalDpiY() / 72.0;
  painter.scale(dotsPerPointX, dotsPerPointY);
  const QSizeF page(device.width() / dotsPerPointX, device.height() / dotsPerPointY);
  const std::vector<Page> pages = PlanPages(content, page);
  ReportPainter report(content, painter, page, static_cast<int>(pages.size()));
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    report.PaintPage(pages[i], static_cast<int>(i) + 1);
  }
  return painter.end();
}

}  // namespace tz9
