// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide: a short text for a pilot on what the fields, the axes, the colours and the
// marks mean, in a window of its own opened by "&?" > "&User Guide" (F1). "&Help" keeps its
// "Work in Progress" message.
#pragma once

#include <QString>
#include <QWidget>

class QAction;
class QMenu;
class QTextBrowser;

namespace tz9 {

// The guide as HTML.
QString UserGuideHtml();

// frmGuide: the guide in a browser (txtGuide) that scrolls and follows links within it.
class UserGuideWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit UserGuideWindow(QWidget* owner);

  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

// Adds mnuGuide to menu, before before; it shows owner's guide window, made on first use and
// kept (closing it only hides it).
QAction* AddUserGuideItem(QMenu* menu, QAction* before, QWidget* owner);

}  // namespace tz9
