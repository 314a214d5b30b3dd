// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/grid_area_layout.h"

#include <QEvent>
#include <QHeaderView>
#include <QMainWindow>
#include <QScrollBar>
#include <QWidget>

#include "grids/result_grid_view.h"
#include "widgets/twips.h"

namespace tz9 {
namespace {

constexpr int kClientWidthTwips = 15240;
constexpr int kClientHeightTwips = 10920;
constexpr int kBoxRightTwips = 15120;
constexpr int kGridHeightTwips = 3255;
constexpr int kVisibleRowsAtLeast = 4;

// What a window manager adds around a window before Qt can ask it: borders and a title bar.
constexpr QSize kTypicalFrame(8, 38);

struct AnchorPlace {
  const char* name;
  Anchor anchor;
};

// The box lines are numbered as the controls are built: top, bottom, left, right, divider.
constexpr AnchorPlace kAnchors[] = {
    {"Line1", {false, Share::None, true, Share::None}},
    {"Line2", {false, Share::All, true, Share::None}},
    {"Line3", {false, Share::None, false, Share::All}},
    {"Line4", {true, Share::None, false, Share::All}},
    {"Line5", {false, Share::Upper, true, Share::None}},
    {"lblOutOfDate", {false, Share::None, true, Share::None}},
    {"MSFG1", {false, Share::None, true, Share::Upper}},
    {"lblLbsNm", {false, Share::Upper, false, Share::None}},
    {"lblSecondGridShows", {false, Share::Upper, true, Share::None}},
    {"MSFG2", {false, Share::Upper, true, Share::Lower}},
};

int ShareOf(Share share, int gained) {
  const int upper = gained / 2;
  switch (share) {
    case Share::None:
      return 0;
    case Share::Upper:
      return upper;
    case Share::Lower:
      return gained - upper;
    case Share::All:
      return gained;
  }
  return 0;
}

int MinimumGridHeight(const ResultGridView& grid) {
  return grid.horizontalHeader()->height() +
         kVisibleRowsAtLeast * grid.verticalHeader()->defaultSectionSize() +
         grid.horizontalScrollBar()->sizeHint().height() + 2 * grid.frameWidth();
}

}  // namespace

QSize DefaultClientSize() {
  return QSize(PixelsFromTwips(kClientWidthTwips), PixelsFromTwips(kClientHeightTwips));
}

QRect AnchoredPlace(const QRect& home, const Anchor& anchor, QSize client) {
  const QSize gained = client - DefaultClientSize();
  return QRect(home.x() + (anchor.followsRight ? gained.width() : 0),
               home.y() + ShareOf(anchor.movesDown, gained.height()),
               home.width() + (anchor.growsWide ? gained.width() : 0),
               home.height() + ShareOf(anchor.growsTall, gained.height()));
}

GridAreaLayout::GridAreaLayout(QMainWindow& window, QWidget* client, const ResultGridView& grid)
    : QObject(client), minimumGridHeight_(MinimumGridHeight(grid)) {
  setObjectName(QStringLiteral("gridAreaLayout"));
  for (const AnchorPlace& place : kAnchors) {
    auto* widget =
        client->findChild<QWidget*>(QString::fromLatin1(place.name), Qt::FindDirectChildrenOnly);
    if (widget != nullptr) anchored_.push_back({widget, widget->geometry(), place.anchor});
  }
  client->setMinimumSize(MinimumClientSize());
  client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  client->installEventFilter(this);
  // The window's own hint holds the client at its minimum: open at the default size instead.
  window.resize(window.sizeHint() - client->minimumSize() + DefaultClientSize());
}

QSize GridAreaLayout::MinimumClientSize() const {
  const int lost = PixelsFromTwips(kGridHeightTwips) - minimumGridHeight_;
  return QSize(PixelsFromTwips(kBoxRightTwips) + 1, DefaultClientSize().height() - 2 * lost);
}

bool GridAreaLayout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) Place(static_cast<QWidget*>(watched)->size());
  return QObject::eventFilter(watched, event);
}

void GridAreaLayout::Place(QSize client) {
  for (const Anchored& item : anchored_)
    item.widget->setGeometry(AnchoredPlace(item.home, item.anchor, client));
}

void FitWindowToScreen(QMainWindow& window, const QRect& available) {
  const QSize measured = window.frameGeometry().size() - window.size();
  const QSize frame = measured.height() > 0 ? measured : kTypicalFrame;
  const QSize fitted =
      window.size().boundedTo(available.size() - frame).expandedTo(window.minimumSizeHint());
  if (fitted != window.size()) window.resize(fitted);
}

}  // namespace tz9
