// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keys beyond the access keys of its captions: Enter presses the command a field
// feeds (a range field "Create Table", a count field "Compute Weight", the computing weight
// "Compute Table"), F5 is "Compute Table" and Ctrl+O the Load command.

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <initializer_list>

#include "shell/form1.h"

namespace tz9 {
namespace {

void EnterPresses(std::initializer_list<QLineEdit*> fields, QPushButton* button) {
  for (QLineEdit* field : fields)
    QObject::connect(field, &QLineEdit::returnPressed, button, &QPushButton::click);
}

}  // namespace

void Form1::ConnectKeyboardCommands() {
  EnterPresses(
      {txtSpMi, txtSpS1, txtSpSt, txtSpS2, txtSpMa, txtAlMi, txtAlS1, txtAlSt, txtAlS2, txtAlMa},
      cmdTable);
  EnterPresses({txtMisAA, txtMisAG, txtBombe, txtCluster, txtFuelTank, txtEcm}, cmdWeight);
  EnterPresses({txtCompWeight}, cmdCompute);
  auto* computeKey = new QShortcut(QKeySequence(Qt::Key_F5), this);
  computeKey->setObjectName(QStringLiteral("keyComputeTable"));
  QObject::connect(computeKey, &QShortcut::activated, cmdCompute, &QPushButton::click);
  mnuFileApri->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
}

}  // namespace tz9
