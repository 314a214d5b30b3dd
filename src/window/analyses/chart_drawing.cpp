// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/chart_drawing.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QValueAxis>

namespace tz9 {

QPen LinePen(const QColor& colour, Qt::PenStyle style, qreal width) {
  QPen pen(colour);
  pen.setWidthF(width);
  pen.setStyle(style);
  return pen;
}

void Attach(QAbstractSeries* series, ChartCanvas& canvas, const QString& name) {
  series->setName(name);
  canvas.chart()->addSeries(series);
  series->attachAxis(canvas.XAxis());
  series->attachAxis(canvas.YAxis());
  if (!name.isEmpty()) return;
  for (QLegendMarker* marker : canvas.chart()->legend()->markers(series))
    marker->setVisible(false);
}

QLineSeries* AddLine(ChartCanvas& canvas, const QList<QPointF>& points, const QPen& pen,
                     const QString& name) {
  auto* series = new QLineSeries();
  series->setPen(pen);
  series->replace(points);
  series->setPointsVisible(points.size() == 1);  // a lone point shows as a dot
  Attach(series, canvas, name);
  return series;
}

QScatterSeries* AddMarks(ChartCanvas& canvas, const QList<QPointF>& points,
                         QScatterSeries::MarkerShape shape, qreal size, const QBrush& brush,
                         const QPen& pen, const QString& name) {
  auto* series = new QScatterSeries();
  series->setMarkerShape(shape);
  series->setMarkerSize(size);
  series->setBrush(brush);
  series->setPen(pen);
  series->replace(points);
  Attach(series, canvas, name);
  return series;
}

BatchedChanges::BatchedChanges(ChartCanvas& canvas) : canvas_(canvas) {
  canvas_.setUpdatesEnabled(false);
  canvas_.chart()->legend()->hide();
}

BatchedChanges::~BatchedChanges() {
  canvas_.chart()->legend()->show();
  canvas_.setUpdatesEnabled(true);
}

QString SpeedAxisTitle(ChartSpeed speed) {
  switch (speed) {
    case ChartSpeed::Cas:
      return QStringLiteral("Calibrated airspeed (kt)");
    case ChartSpeed::Tas:
      return QStringLiteral("True airspeed (kt)");
    case ChartSpeed::Mach:
      return QStringLiteral("Mach number");
  }
  return {};
}

QString SpeedLabelFormat(ChartSpeed speed) {
  return speed == ChartSpeed::Mach ? QStringLiteral("%.2f") : QStringLiteral("%.0f");
}

void SetAxis(QValueAxis& axis, const QString& title, const QString& format, Range range,
             bool roundEnds) {
  if (range.Empty()) range = Range{0, 1};
  const AxisScale fitted = FitAxis(range.least, range.greatest);
  if (roundEnds || range.least == range.greatest) range = Range{fitted.min, fitted.max};
  axis.setTitleText(title);
  axis.setLabelFormat(format);
  // Fixed ticks while the range changes: the interval of another range could ask for a
  // million ticks.
  axis.setTickType(QValueAxis::TicksFixed);
  axis.setRange(range.least, range.greatest);
  axis.setTickAnchor(0);
  axis.setTickInterval(fitted.tickStep);
  axis.setTickType(QValueAxis::TicksDynamic);
}

bool WriteSvg(ChartCanvas& canvas, QIODevice& device, const QString& title) {
  QSvgGenerator generator;
  generator.setOutputDevice(&device);
  generator.setSize(canvas.size());
  generator.setViewBox(QRect(QPoint(0, 0), canvas.size()));
  generator.setTitle(title);
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  canvas.render(&painter);
  return painter.end();
}

QString SaveChartImage(ChartCanvas& canvas, const QString& path, const QString& title,
                       bool& written) {
  written = false;
  const QString name = QFileInfo(path).fileName();
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg"))
    return QStringLiteral("Save Image writes .png or .svg files; %1 ends in neither.").arg(name);
  QSaveFile file(path);
  bool ok = file.open(QIODevice::WriteOnly);
  if (ok && suffix == QStringLiteral("svg")) {
    ok = WriteSvg(canvas, file, title);
  } else if (ok) {
    ok = canvas.grab().toImage().save(&file, "PNG");
  }
  if (!ok || !file.commit()) {
    return QStringLiteral("Could not write %1: %2.")
        .arg(QDir::toNativeSeparators(path), file.errorString());
  }
  written = true;
  return QStringLiteral("Saved %1.").arg(name);
}

void CopyChartImage(ChartCanvas& canvas) {
  QApplication::clipboard()->setImage(canvas.grab().toImage());
}

}  // namespace tz9
