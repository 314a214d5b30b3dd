// SPDX-License-Identifier: GPL-3.0-or-later
// frmCredits: the modal "Credits" window, with a picture drawn at run time, the program's
// acknowledgements, its version and licence, and a "Close" button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tz9 {

// Named as the rest of the program knows it.
class frmCredits final : public QDialog {
  Q_OBJECT

 public:
  explicit frmCredits(QWidget* parent);

  QLabel* Picture1 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  void Command1_Click();
  void AddAcknowledgements();
};

// A delta-wing silhouette on a dusk sky, drawn for the credits window.
QPixmap DrawCreditsPicture(QSize size);

}  // namespace tz9
