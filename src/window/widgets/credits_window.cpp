// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/credits_window.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <string_view>
#include <utility>

#include "common/version.h"
#include "widgets/twips.h"
#include "widgets/view_text.h"

namespace tz9 {
namespace {

struct CreditLine {
  const char* objectName;
  const char* text;
  int top;  // twips
  bool heading;
};

constexpr CreditLine kCredits[] = {
    {"lblCreditsTitle", "Strakon TZ9 Performances", 240, true},
    {"lblThanksTeam", "Thanks to the team who wrote, checked and tested it.", 720, false},
    {"lblThanksCommunityHeading", "With gratitude", 1320, true},
    {"lblThanksCommunity", "To the simulator community, for the aircraft files and the flying.",
     1680, false},
    {"lblThanksQt", "To the Qt project, whose toolkit draws every window here.", 2280, false},
    {"lblThanksUsers", "And to everyone who sends a question or a correction.", 2880, false},
};

constexpr int kTextLeftTwips = 3120;
constexpr int kTextWidthTwips = 4605;

QPainterPath DeltaWing(const QRectF& box) {
  const auto at = [&box](double x, double y) {
    return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
  };
  QPainterPath path;
  path.moveTo(at(0.50, 0.05));  // nose
  path.lineTo(at(0.56, 0.40));
  path.lineTo(at(0.95, 0.80));  // right wing tip
  path.lineTo(at(0.60, 0.82));
  path.lineTo(at(0.58, 0.95));  // exhaust
  path.lineTo(at(0.42, 0.95));
  path.lineTo(at(0.40, 0.82));
  path.lineTo(at(0.05, 0.80));  // left wing tip
  path.lineTo(at(0.44, 0.40));
  path.closeSubpath();
  return path;
}

}  // namespace

QPixmap DrawCreditsPicture(QSize size) {
  QPixmap picture(size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(24, 38, 84));
  sky.setColorAt(1, QColor(232, 140, 72));
  painter.fillRect(picture.rect(), sky);
  painter.setPen(QPen(QColor(20, 20, 24), 1));
  painter.setBrush(QColor(52, 58, 66));
  const QRectF box(size.width() * 0.1, size.height() * 0.15, size.width() * 0.8,
                   size.height() * 0.7);
  painter.drawPath(DeltaWing(box));
  return picture;
}

frmCredits::frmCredits(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmCredits"));
  setWindowTitle(QStringLiteral("Credits"));
  setModal(true);
  setFixedSize(PixelsFromTwips(7965), PixelsFromTwips(6030));

  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(RectFromTwips(240, 240, 2655, 3855));
  Picture1->setPixmap(DrawCreditsPicture(Picture1->size()));

  AddAcknowledgements();

  Command1 = new QPushButton(QStringLiteral("Close"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(RectFromTwips(720, 4320, 1335, 735));
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &frmCredits::Command1_Click);
}

void frmCredits::Command1_Click() {
  accept();
}

void frmCredits::AddAcknowledgements() {
  for (const CreditLine& line : kCredits) {
    auto* label = new QLabel(QString::fromUtf8(line.text), this);
    label->setObjectName(QString::fromLatin1(line.objectName));
    label->setWordWrap(true);
    label->setGeometry(RectFromTwips(kTextLeftTwips, line.top, kTextWidthTwips, 495));
    if (line.heading) {
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
    }
  }
  // Below the last rule: the version and the licence.
  const std::pair<const char*, QString> release[] = {
      {"lblVersion", QStringLiteral("Version ") + QStringFromView(kVersion)},
      {"lblLicence", QStringLiteral("Licence: ") + QStringFromView(kLicence)},
  };
  int releaseTop = 3600;
  for (const auto& [objectName, text] : release) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(RectFromTwips(kTextLeftTwips, releaseTop, kTextWidthTwips, 495));
    releaseTop += 360;
  }
  for (const int top : {600, 1200, 3480}) {
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(RectFromTwips(kTextLeftTwips, top, kTextWidthTwips, 60));
  }
}

}  // namespace tz9
