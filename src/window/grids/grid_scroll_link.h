// SPDX-License-Identifier: GPL-3.0-or-later
// The two grids' cells correspond (same speeds, same altitudes), so by default they scroll
// together, both ways and in both directions. "&View" > "&Link Grid Scrolling" parts them.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <vector>

class QAbstractScrollArea;
class QAction;
class QMenu;

namespace tz9 {

class GridScrollLink final : public QObject {
  Q_OBJECT

 public:
  // Adds the checked item mnuViewLinkScroll to menu and links first and second.
  GridScrollLink(QAbstractScrollArea* first, QAbstractScrollArea* second, QMenu* menu);

  QAction* toggle() const { return toggle_; }

 private:
  void SetLinked(bool linked);

  QAbstractScrollArea* first_;
  QAbstractScrollArea* second_;
  QAction* toggle_;
  std::vector<QMetaObject::Connection> links_;
  bool following_ = false;
};

}  // namespace tz9
