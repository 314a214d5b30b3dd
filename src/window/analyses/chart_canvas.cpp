// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/chart_canvas.h"

#include <QBrush>
#include <QChart>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>
#include <cmath>

#include "grids/result_grid_model.h"
#include "tables/result_grid.h"

namespace tz9 {
namespace {

// Without steady flight, or not computed: two neutral greys; beyond the table: a hatch.
constexpr QRgb kNoSteadyFlightGrey = 0xffb4b4b4;
constexpr QRgb kNotComputedGrey = 0xff6e6e6e;
constexpr QRgb kHatchGrey = 0xffd0d0d0;

double Fraction(double value, double from, double to) {
  return to != from ? (value - from) / (to - from) : 0;
}

}  // namespace

QPointF PlotMapping::ToScene(QPointF value) const {
  return {plot.left() + Fraction(value.x(), xMin, xMax) * plot.width(),
          plot.bottom() - Fraction(value.y(), yMin, yMax) * plot.height()};
}

QPointF PlotMapping::ToValue(QPointF scenePoint) const {
  return {xMin + Fraction(scenePoint.x(), plot.left(), plot.right()) * (xMax - xMin),
          yMin + Fraction(scenePoint.y(), plot.bottom(), plot.top()) * (yMax - yMin)};
}

ChartCanvas::ChartCanvas(QWidget* parent) : QChartView(new QChart(), parent) {
  setRenderHint(QPainter::Antialiasing);
  setBackgroundBrush(Qt::white);
  chart()->setBackgroundVisible(false);  // the envelope paints under the chart
  chart()->legend()->setAlignment(Qt::AlignRight);
  chart()->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  xAxis_ = new QValueAxis(chart());
  yAxis_ = new QValueAxis(chart());
  chart()->addAxis(xAxis_, Qt::AlignBottom);
  chart()->addAxis(yAxis_, Qt::AlignLeft);
}

PlotMapping ChartCanvas::Mapping() const {
  return {chart()->plotArea(), xAxis_->min(), xAxis_->max(), yAxis_->min(), yAxis_->max()};
}

QPoint ChartCanvas::ViewportPositionOf(QPointF value) const {
  return mapFromScene(Mapping().ToScene(value));
}

void ChartCanvas::mousePressEvent(QMouseEvent* event) {
  const QPointF scenePoint = mapToScene(event->position().toPoint());
  const PlotMapping mapping = Mapping();
  if (event->button() == Qt::LeftButton && mapping.plot.contains(scenePoint)) {
    emit Clicked(mapping.ToValue(scenePoint));
    event->accept();
    return;
  }
  QChartView::mousePressEvent(event);
}

QColor EnvelopeRegionColour(EnvelopeRegion region) {
  switch (region) {
    case EnvelopeRegion::MilitarySubsonic:
      return QColorFromColour(RegimeColour::White);
    case EnvelopeRegion::MilitarySupersonic:
      return QColorFromColour(RegimeColour::Green);
    case EnvelopeRegion::AfterburnerSubsonic:
      return QColorFromColour(RegimeColour::Yellow);
    case EnvelopeRegion::AfterburnerSupersonic:
      return QColorFromColour(RegimeColour::Red);
    case EnvelopeRegion::NoSteadyFlight:
      return QColor::fromRgb(kNoSteadyFlightGrey);
    case EnvelopeRegion::NotComputed:
      return QColor::fromRgb(kNotComputedGrey);
  }
  return QColor::fromRgb(kNotComputedGrey);
}

EnvelopeItem::EnvelopeItem(const ChartCanvas& canvas) : canvas_(canvas) {
  setZValue(-1);  // under the chart, whose background is off
}

void EnvelopeItem::SetMap(std::shared_ptr<const EnvelopeMap> map) {
  map_ = std::move(map);
  PlotAreaChanged();
}

void EnvelopeItem::PlotAreaChanged() {
  prepareGeometryChange();
  bounds_ = canvas_.chart()->plotArea();
  update();
}

void EnvelopeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  if (!map_ || map_->Empty()) return;
  const PlotMapping mapping = canvas_.Mapping();
  painter->save();
  painter->setClipRect(mapping.plot);
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->fillRect(mapping.plot, QBrush(QColor::fromRgb(kHatchGrey), Qt::BDiagPattern));
  // Corners rounded to whole pixels, so that neighbouring runs meet without a seam.
  for (const EnvelopeRow& row : map_->rows) {
    const double top = std::round(mapping.ToScene({0, row.altitudeTo}).y());
    const double bottom = std::round(mapping.ToScene({0, row.altitudeFrom}).y());
    for (const EnvelopeRun& run : row.runs) {
      const double left = std::round(mapping.ToScene({run.speedFrom, 0}).x());
      const double right = std::round(mapping.ToScene({run.speedTo, 0}).x());
      painter->fillRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized(),
                        EnvelopeRegionColour(run.region));
    }
  }
  painter->restore();
}

}  // namespace tz9
