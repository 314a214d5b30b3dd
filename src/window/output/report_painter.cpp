// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/report_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "common/number_text.h"
#include "grids/result_grid_model.h"
#include "widgets/view_text.h"

namespace tz9 {
namespace {

using namespace report_metrics;

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

  void PaintPage(const ReportPage& page, int number) {
    PaintFrame(number);
    switch (page.kind) {
      case ReportPage::Kind::Inputs:
        PaintInputs();
        break;
      case ReportPage::Kind::Grid:
        PaintGridBlock(page);
        break;
      case ReportPage::Kind::Lines:
        PaintLines(page);
        break;
      case ReportPage::Kind::Picture:
        PaintPicture(content_.sections[static_cast<size_t>(page.item)]);
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

  QString BlockCaption(const ReportGrid& shown, const ReportPage& page) const {
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
  void PaintGridBlock(const ReportPage& page) {
    const ReportGrid& shown = content_.grids[static_cast<size_t>(page.item)];
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

  void PaintLines(const ReportPage& page) {
    const ReportSection& section = content_.sections[static_cast<size_t>(page.item)];
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

QSizeF ReportPagePoints(const QPageLayout& layout) {
  return layout.paintRect(QPageLayout::Point).size();
}

std::vector<ReportPage> PlanReport(const ReportContent& content, QSizeF pagePoints,
                                   ReportScope scope) {
  ReportShape shape;
  for (const ReportGrid& grid : content.grids)
    shape.grids.push_back({grid.grid->Rows(), grid.grid->Cols()});
  for (const ReportSection& section : content.sections)
    shape.sections.push_back({static_cast<int>(section.lines.size()), !section.picture.isNull()});
  return PlanReportPages(shape, ReportCapacityOf(pagePoints.width(), pagePoints.height()), scope);
}

PaintOutcome PaintReport(const ReportContent& content, const std::vector<ReportPage>& pages,
                         QSizeF pagePoints, QPagedPaintDevice& device,
                         const std::function<bool(int pagesDone)>& carryOn) {
  QPainter painter;
  if (!painter.begin(&device)) return PaintOutcome::Failed;
  // Everything is laid out in points, whatever the device's resolution.
  painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
  ReportPainter report(content, painter, pagePoints, static_cast<int>(pages.size()));
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) return PaintOutcome::Failed;
    report.PaintPage(pages[i], static_cast<int>(i) + 1);
    if (carryOn && !carryOn(static_cast<int>(i) + 1)) {
      painter.end();
      return PaintOutcome::Stopped;
    }
  }
  return painter.end() ? PaintOutcome::Painted : PaintOutcome::Failed;
}

}  // namespace tz9
