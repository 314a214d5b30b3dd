// SPDX-License-Identifier: GPL-3.0-or-later
// ChartCanvas: one chart of the charts window on two linear value axes, reporting where it is
// clicked in the axes' values, its lines named at their ends; and EnvelopeItem, the regions of
// the flight envelope painted under the chart's grid and lines, one rectangle per run of cells.
#pragma once

#include <QChartView>
#include <QColor>
#include <QGraphicsItem>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

#include "performance/chart_model.h"

class QChart;
class QValueAxis;

namespace tz9 {

// The linear map between the values of a chart's two axes and the scene pixels of its plot
// area.
struct PlotMapping {
  QRectF plot;
  double xMin = 0;
  double xMax = 1;
  double yMin = 0;
  double yMax = 1;

  QPointF ToScene(QPointF value) const;
  QPointF ToValue(QPointF scenePoint) const;
};

// A line's name at its end, beside the plot area, with a stroke of its colour.
struct LineLabel {
  QString text;
  QColor colour;
  QPointF end;  // the line's last point, in the axes' values
};

class LineEndLabels;

class ChartCanvas final : public QChartView {
  Q_OBJECT

 public:
  explicit ChartCanvas(QWidget* parent);

  // The labels beside the right edge of the plot area, each at the height of its line's end
  // and spread apart where the ends crowd; the legend stands clear of them.
  void SetLineLabels(std::vector<LineLabel> labels);
  const std::vector<LineLabel>& LineLabels() const;

  QValueAxis* XAxis() const { return xAxis_; }
  QValueAxis* YAxis() const { return yAxis_; }
  PlotMapping Mapping() const;
  // Where a value is drawn, in the coordinates of the viewport (the widget clicks land on).
  QPoint ViewportPositionOf(QPointF value) const;

 signals:
  // A left click inside the plot area, in the axes' values.
  void Clicked(QPointF value);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QValueAxis* xAxis_ = nullptr;
  QValueAxis* yAxis_ = nullptr;
  LineEndLabels* labels_ = nullptr;  // owned by the scene
};

// The fill of each region of the envelope, the grids' legend colours for the four regimes.
QColor EnvelopeRegionColour(EnvelopeRegion region);

// Lies under the chart (the chart's own background is off) and paints the envelope's runs
// into the plot area, the rest of the plot area hatched.
class EnvelopeItem final : public QGraphicsItem {
 public:
  explicit EnvelopeItem(const ChartCanvas& canvas);

  void SetMap(std::shared_ptr<const EnvelopeMap> map);
  // The plot area moved or resized.
  void PlotAreaChanged();

  QRectF boundingRect() const override { return bounds_; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  const ChartCanvas& canvas_;
  std::shared_ptr<const EnvelopeMap> map_;
  QRectF bounds_;
};

// Paints a canvas' line labels; the canvas keeps it in step with the plot area.
class LineEndLabels final : public QGraphicsItem {
 public:
  explicit LineEndLabels(const ChartCanvas& canvas);

  void SetLabels(std::vector<LineLabel> labels);
  const std::vector<LineLabel>& Labels() const { return labels_; }
  // The room the labels take to the right of the plot area, in pixels.
  qreal Width() const;
  void PlotAreaChanged();

  QRectF boundingRect() const override { return bounds_; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  const ChartCanvas& canvas_;
  std::vector<LineLabel> labels_;
  QRectF bounds_;
};

}  // namespace tz9
