// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/baseline_commands.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "analyses/analysis_view_support.h"
#include "shell/form1.h"
#include "workspace/workspace.h"

namespace tz9 {

BaselineCommands::BaselineCommands(Workspace& workspace, Form1& form)
    : QObject(&form), workspace_(workspace), form_(form) {
  form.mnuView->addSeparator();
  form.mnuViewPinBaseline = form.mnuView->addAction(QStringLiteral("Pin as &Baseline"));
  form.mnuViewPinBaseline->setObjectName(QStringLiteral("mnuViewPinBaseline"));
  form.mnuViewPinBaseline->setToolTip(
      QStringLiteral("Keep the last computation to compare the next ones with"));
  form.mnuViewClearBaseline = form.mnuView->addAction(QStringLiteral("Clear Baseline"));
  form.mnuViewClearBaseline->setObjectName(QStringLiteral("mnuViewClearBaseline"));
  form.lblBaseline = new QLabel(&form);
  form.lblBaseline->setObjectName(QStringLiteral("lblBaseline"));
  form.statusBar()->addPermanentWidget(form.lblBaseline);
  connect(form.mnuViewPinBaseline, &QAction::triggered, &workspace, &Workspace::PinBaseline);
  connect(form.mnuViewClearBaseline, &QAction::triggered, &workspace, &Workspace::ClearBaseline);
  for (auto changed : {&Workspace::BaselineChanged, &Workspace::ComputationChanged,
                       &Workspace::StalenessMayHaveChanged})
    connect(&workspace, changed, this, &BaselineCommands::Refresh);
  Refresh();
}

void BaselineCommands::Refresh() {
  form_.mnuViewPinBaseline->setEnabled(workspace_.computation() != nullptr);
  form_.mnuViewClearBaseline->setEnabled(workspace_.baseline() != nullptr);
  form_.lblBaseline->setText(BaselineCaption(workspace_));
  form_.lblBaseline->setVisible(workspace_.baseline() != nullptr);
}

}  // namespace tz9
