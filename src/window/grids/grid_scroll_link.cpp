// SPDX-License-Identifier: GPL-3.0-or-later

#include "grids/grid_scroll_link.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <utility>

namespace tz9 {

GridScrollLink::GridScrollLink(QAbstractScrollArea* first, QAbstractScrollArea* second, QMenu* menu)
    : QObject(menu),
      first_(first),
      second_(second),
      toggle_(menu->addAction(QStringLiteral("&Link Grid Scrolling"))) {
  setObjectName(QStringLiteral("gridScrollLink"));
  toggle_->setObjectName(QStringLiteral("mnuViewLinkScroll"));
  toggle_->setCheckable(true);
  toggle_->setChecked(true);
  connect(toggle_, &QAction::toggled, this, &GridScrollLink::SetLinked);
  SetLinked(true);
}

void GridScrollLink::SetLinked(bool linked) {
  for (const QMetaObject::Connection& link : links_)
    disconnect(link);
  links_.clear();
  if (!linked) return;
  // A follower that cannot go as far (one row fewer in view) stops short without pulling its
  // leader back.
  const auto follow = [this](QScrollBar* leader, QScrollBar* follower) {
    links_.push_back(connect(leader, &QScrollBar::valueChanged, this, [this, follower](int value) {
      if (following_) return;
      following_ = true;
      follower->setValue(value);
      following_ = false;
    }));
  };
  for (const auto& [a, b] :
       {std::pair{first_->horizontalScrollBar(), second_->horizontalScrollBar()},
        std::pair{first_->verticalScrollBar(), second_->verticalScrollBar()}}) {
    follow(a, b);
    follow(b, a);
    b->setValue(a->value());  // where the first grid stands when they are linked again
  }
}

}  // namespace tz9
