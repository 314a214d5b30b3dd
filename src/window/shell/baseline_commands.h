// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline's commands in the View menu ("Pin as Baseline", "Clear Baseline"), each enabled
// only when it can act, and the baseline named in the status bar beside the status line while
// one is pinned.
#pragma once

#include <QObject>

namespace tz9 {

class Form1;
class Workspace;

class BaselineCommands final : public QObject {
  Q_OBJECT

 public:
  // Adds the items to form's View menu and the label to its status bar; keeps them in step with
  // the workspace.
  BaselineCommands(Workspace& workspace, Form1& form);

 private:
  void Refresh();

  Workspace& workspace_;
  Form1& form_;
};

}  // namespace tz9
