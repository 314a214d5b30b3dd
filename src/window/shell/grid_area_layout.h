// SPDX-License-Identifier: GPL-3.0-or-later
// The window's size. At the default client size every control stands at its twips place; the
// fields above the grids never move, while the box around the grids, its divider, the second
// caption and both grids follow the client's size: wider and taller windows give the grids the
// room, smaller ones (down to a 1024 x 600 screen) take it from them, to about four rows each.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class QMainWindow;
class QWidget;

namespace tz9 {

class ResultGridView;

// The client area the twips layout was drawn for: the box around the grids ends at
// 15120 x 10800 twips, with a margin of 120.
QSize DefaultClientSize();

// How a control of the grid area follows the client size. The height the client gains (or
// loses) is shared between the grids: the upper half to the first, the rest to the second.
enum class Share { None, Upper, Lower, All };

struct Anchor {
  bool followsRight;  // moves with the right edge
  Share movesDown;    // moves down by this share of the height gained
  bool growsWide;     // grows with the width gained
  Share growsTall;    // grows by this share of the height gained
};

// Where a control whose default place is home stands in a client of size client.
QRect AnchoredPlace(const QRect& home, const Anchor& anchor, QSize client);

class GridAreaLayout final : public QObject {
  Q_OBJECT

 public:
  // Makes window resizable (grid: either grid, for its rows' height) down to MinimumClientSize()
  // and opens it at the default size.
  GridAreaLayout(QMainWindow& window, QWidget* client, const ResultGridView& grid);

  // The box's right line still shows; each grid keeps its header row, four rows and a
  // horizontal scroll bar.
  QSize MinimumClientSize() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Anchored {
    QWidget* widget;
    QRect home;
    Anchor anchor;
  };

  void Place(QSize client);

  std::vector<Anchored> anchored_;
  int minimumGridHeight_ = 0;
};

// Shrinks window, if it is larger, to fit into available (a screen's area without its panels),
// leaving room for a window manager's frame; never below the window's minimum size.
void FitWindowToScreen(QMainWindow& window, const QRect& available);

}  // namespace tz9
