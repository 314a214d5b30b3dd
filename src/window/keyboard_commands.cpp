// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard_commands.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <initializer_list>

#include "form1.h"

namespace tz9 {
namespace {

void EnterPresses(std::initializer_list<QLineEdit*> fields, QPushButton* button) {
  for (QLineEdit* field : fields)
    QObject::connect(field, &QLineEdit::returnPressed, button, &QPushButton::click);
}

}  // namespace

void ConnectKeyboardCommands(Form1& form) {
  EnterPresses({form.txtSpMi, form.txtSpS1, form.txtSpSt, form.txtSpS2, form.txtSpMa, form.txtAlMi,
                form.txtAlS1, form.txtAlSt, form.txtAlS2, form.txtAlMa},
               form.cmdTable);
  EnterPresses(
      {form.txtMisAA, form.txtMisAG, form.txtBombe, form.txtCluster, form.txtFuelTank, form.txtEcm},
      form.cmdWeight);
  EnterPresses({form.txtCompWeight}, form.cmdCompute);
  auto* computeKey = new QShortcut(QKeySequence(Qt::Key_F5), &form);
  computeKey->setObjectName(QStringLiteral("keyComputeTable"));
  QObject::connect(computeKey, &QShortcut::activated, form.cmdCompute, &QPushButton::click);
  form.mnuFileApri->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
}

}  // namespace tz9
