// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/chart_canvas.h"

#include <QBrush>
#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
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
  labels_ = new LineEndLabels(*this);
  scene()->addItem(labels_);
  connect(chart(), &QChart::plotAreaChanged, this, [this] { labels_->PlotAreaChanged(); });
}

void ChartCanvas::SetLineLabels(std::vector<LineLabel> labels) {
  labels_->SetLabels(std::move(labels));
  // The legend's left margin keeps the labels' room free beside the plot area.
  qreal left = 0, top = 0, right = 0, bottom = 0;
  QLegend* legend = chart()->legend();
  legend->getContentsMargins(&left, &top, &right, &bottom);
  legend->setContentsMargins(labels_->Width(), top, right, bottom);
}

const std::vector<LineLabel>& ChartCanvas::LineLabels() const {
  return labels_->Labels();
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

namespace {

constexpr qreal kLabelGap = 6;       // between the plot area and a label's stroke
constexpr qreal kStrokeLength = 14;  // the stroke in the line's colour before the name
constexpr qreal kStrokeWidth = 3;

QFont LabelFont() {
  QFont font;
  font.setPointSizeF(8);
  return font;
}

}  // namespace

LineEndLabels::LineEndLabels(const ChartCanvas& canvas) : canvas_(canvas) {
  setZValue(1);  // over the chart
}

void LineEndLabels::SetLabels(std::vector<LineLabel> labels) {
  labels_ = std::move(labels);
  PlotAreaChanged();
}

qreal LineEndLabels::Width() const {
  if (labels_.empty()) return 0;
  const QFontMetricsF metrics(LabelFont());
  qreal widest = 0;
  for (const LineLabel& label : labels_)
    widest = std::max(widest, metrics.horizontalAdvance(label.text));
  return kLabelGap + kStrokeLength + 4 + widest + kLabelGap;
}

void LineEndLabels::PlotAreaChanged() {
  prepareGeometryChange();
  const QRectF plot = canvas_.chart()->plotArea();
  bounds_ = QRectF(plot.right(), plot.top() - 20, Width(), plot.height() + 40);
  update();
}

void LineEndLabels::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  if (labels_.empty()) return;
  const PlotMapping mapping = canvas_.Mapping();
  const QFontMetricsF metrics(LabelFont());
  const qreal height = metrics.height();
  std::vector<double> wanted;
  for (const LineLabel& label : labels_)
    wanted.push_back(mapping.ToScene(label.end).y());
  const std::vector<double> centres =
      SpreadLabels(wanted, height, mapping.plot.top(), mapping.plot.bottom());
  painter->save();
  painter->setFont(LabelFont());
  const qreal left = mapping.plot.right() + kLabelGap;
  for (size_t i = 0; i < labels_.size(); ++i) {
    const qreal y = centres[i];
    painter->setPen(QPen(labels_[i].colour, kStrokeWidth));
    painter->drawLine(QPointF(left, y), QPointF(left + kStrokeLength, y));
    painter->setPen(QColor::fromRgb(0xff303030));
    painter->drawText(QRectF(left + kStrokeLength + 4, y - height / 2, bounds_.width(), height),
                      Qt::AlignLeft | Qt::AlignVCenter, labels_[i].text);
  }
  painter->restore();
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
