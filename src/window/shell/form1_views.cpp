// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu's windows and docks, from one table: a view is its own files, one row here and
// one line of the build. Every view takes the workspace (never the main window), the window it
// belongs to and the menu item that opens it.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

#include "analyses/cell_details_dock.h"
#include "analyses/charts_window.h"
#include "analyses/climb_turn_window.h"
#include "analyses/compare_window.h"
#include "analyses/mission_window.h"
#include "analyses/summary_window.h"
#include "shell/form1.h"
#include "shell/window_memory.h"

namespace tz9 {
namespace {

// What a view is made with.
struct ViewContext {
  Workspace& workspace;
  QMainWindow& window;
  QAction* opener;  // the view's View menu item
};

enum class Made {
  AtStart,     // made with the window: it follows the workspace while closed
  OnFirstUse,  // made when its item is first chosen, then kept (hidden when closed)
};

struct ViewRow {
  const char* menuText;
  QKeyCombination shortcut;  // none: Qt::Key_unknown
  const char* objectName;    // of the menu item
  QAction* Form1::*item;     // where the window keeps the item
  Made made;
  QWidget* (*make)(const ViewContext& context);
  const char* remembered;  // the view's own fields kept between runs, blank-separated
};

constexpr QKeyCombination kNoShortcut{Qt::Key_unknown};

const ViewRow kViews[] = {
    {"Performance &Summary", kNoShortcut, "mnuViewSummary", &Form1::mnuViewSummary, Made::AtStart,
     [](const ViewContext& c) -> QWidget* {
       return new SummaryWindow(c.workspace, &c.window, c.opener);
     },
     ""},
    {"&Mission Fuel", kNoShortcut, "mnuViewMission", &Form1::mnuViewMission, Made::AtStart,
     [](const ViewContext& c) -> QWidget* {
       return new MissionWindow(c.workspace, &c.window, c.opener);
     },
     "txtReserve txtCruiseCas txtBingoDistance"},
    {"&Charts", kNoShortcut, "mnuViewCharts", &Form1::mnuViewCharts, Made::OnFirstUse,
     [](const ViewContext& c) -> QWidget* { return new frmCharts(c.workspace, &c.window); },
     "optSpeedCas optSpeedTas optSpeedMach optRangeNmPerKlb optRangeLbPerNm"},
    {"Climb and &Turn", kNoShortcut, "mnuViewClimbTurn", &Form1::mnuViewClimbTurn, Made::OnFirstUse,
     [](const ViewContext& c) -> QWidget* {
       return new ClimbTurnWindow(c.workspace, &c.window, c.opener);
     },
     "txtGLimit optEmCas optEmMach"},
    {"Cell &Details", kNoShortcut, "mnuViewDetails", &Form1::mnuViewDetails, Made::AtStart,
     [](const ViewContext& c) -> QWidget* {
       return new CellDetailsDock(c.workspace, c.window, c.opener);
     },
     ""},
    {"&Compare", kNoShortcut, "mnuViewCompare", &Form1::mnuViewCompare, Made::AtStart,
     [](const ViewContext& c) -> QWidget* {
       return new CompareWindow(c.workspace, &c.window, c.opener);
     },
     "txtCompareReserve"},
};

void OpenWindow(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

void Form1::BuildViews() {
  for (const ViewRow& row : kViews) {
    QAction* item = mnuView->addAction(QString::fromUtf8(row.menuText));
    item->setObjectName(QString::fromLatin1(row.objectName));
    if (row.shortcut != kNoShortcut) item->setShortcut(QKeySequence(row.shortcut));
    this->*row.item = item;
    const ViewContext context{*workspace_, *this, item};
    const QStringList remembered =
        QString::fromLatin1(row.remembered).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (row.made == Made::AtStart) {
      QWidget* view = row.make(context);
      if (view->isWindow()) memory_->Follow(view, remembered);
      continue;
    }
    connect(item, &QAction::triggered, this,
            [this, &row, item, remembered, view = QPointer<QWidget>()]() mutable {
              if (view == nullptr) {
                view = row.make(ViewContext{*workspace_, *this, item});
                memory_->Follow(view, remembered);
              }
              OpenWindow(view);
            });
  }
}

}  // namespace tz9
