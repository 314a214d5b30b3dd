// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows that draw on ChartCanvas share, so that their charts look alike: the pens,
// the lines and marks added to a chart, the axes fitted to round limits, and the pictures saved
// as PNG or SVG and copied to the clipboard.
#pragma once

#include <QColor>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QScatterSeries>
#include <QString>
#include <cmath>
#include <limits>

#include "analyses/chart_canvas.h"
#include "performance/chart_model.h"

class QAbstractSeries;
class QIODevice;
class QLineSeries;
class QValueAxis;

namespace tz9 {

QPen LinePen(const QColor& colour, Qt::PenStyle style, qreal width);

// Adds series to the canvas on its two axes, in the legend under name; unnamed, it stays out
// of the legend.
void Attach(QAbstractSeries* series, ChartCanvas& canvas, const QString& name);
QLineSeries* AddLine(ChartCanvas& canvas, const QList<QPointF>& points, const QPen& pen,
                     const QString& name);
QScatterSeries* AddMarks(ChartCanvas& canvas, const QList<QPointF>& points,
                         QScatterSeries::MarkerShape shape, qreal size, const QBrush& brush,
                         const QPen& pen, const QString& name);

// Series added while the chart shows lay the legend out again one by one; hidden while they
// come, it lays out once.
class BatchedChanges {
 public:
  explicit BatchedChanges(ChartCanvas& canvas);
  ~BatchedChanges();
  BatchedChanges(const BatchedChanges&) = delete;
  BatchedChanges& operator=(const BatchedChanges&) = delete;

 private:
  ChartCanvas& canvas_;
};

// The least and greatest of the values shown on one axis.
struct Range {
  double least = std::numeric_limits<double>::infinity();
  double greatest = -std::numeric_limits<double>::infinity();
  void Take(double value) {
    if (!std::isfinite(value)) return;
    least = std::min(least, value);
    greatest = std::max(greatest, value);
  }
  bool Empty() const { return least > greatest; }
};

QString SpeedAxisTitle(ChartSpeed speed);
QString SpeedLabelFormat(ChartSpeed speed);

// A line chart's axis takes round limits just around its values (roundEnds); otherwise it spans
// the values exactly, with its ticks at round values inside.
void SetAxis(QValueAxis& axis, const QString& title, const QString& format, Range range,
             bool roundEnds);

// The canvas drawn as SVG on device, under title.
bool WriteSvg(ChartCanvas& canvas, QIODevice& device, const QString& title);

// Writes the canvas as PNG or SVG, by the path's ending, to a temporary file that replaces the
// target only when complete; returns the sentence for the window's status line ("Saved a.png.",
// or why it could not). written says whether the file was written.
QString SaveChartImage(ChartCanvas& canvas, const QString& path, const QString& title,
                       bool& written);

// Puts the canvas, as drawn, on the clipboard as an image.
void CopyChartImage(ChartCanvas& canvas);

}  // namespace tz9
