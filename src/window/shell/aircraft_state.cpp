// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/aircraft_state.h"

#include <QLabel>
#include <QLineEdit>

#include "widgets/twips.h"

namespace tz9 {
namespace {

// Under the stores and weights, above the box around the grids: two lines of text.
constexpr int kMarkerLeft = 120;
constexpr int kMarkerTop = 2955;
constexpr int kMarkerWidth = 4140;
constexpr int kMarkerHeight = 390;

// The file name with its middle cut out, keeping kept characters at each end.
QString ShortFileName(const QString& fileName, int kept) {
  if (fileName.size() <= 2 * kept + 3) return fileName;
  return fileName.left(kept) + QStringLiteral("...") + fileName.right(kept);
}

bool FitsIn(const QLabel& label, const QString& text) {
  const QRect room = label.contentsRect();
  return room.contains(
      label.fontMetrics().boundingRect(room, Qt::TextWordWrap | int(label.alignment()), text));
}

}  // namespace

void ShownFieldsDisplay::ShowAircraftName(const std::string& name) {
  written_[static_cast<int>(ReaderField::Name)] = true;
  shown_.ShowAircraftName(name);
}

void ShownFieldsDisplay::ShowZeroFuelWeight(const std::string& text) {
  written_[static_cast<int>(ReaderField::ZeroFuelWeight)] = true;
  shown_.ShowZeroFuelWeight(text);
}

void ShownFieldsDisplay::ShowMaxInternalFuel(const std::string& text) {
  written_[static_cast<int>(ReaderField::InternalFuel)] = true;
  shown_.ShowMaxInternalFuel(text);
}

QString StillLoadedText(bool loaded, const QString& aircraftName, const QString& fileName) {
  if (!loaded) return QStringLiteral("no aircraft is loaded");
  const QString name = aircraftName.trimmed();
  if (name.isEmpty()) return QStringLiteral("%1 is still loaded").arg(fileName);
  return QStringLiteral("the %1 of %2 is still loaded").arg(name, fileName);
}

QString AircraftStateText(const LoadOutcome& outcome, const QString& fileName,
                          const QString& loadedName) {
  if (outcome.completed) return {};
  const QString kept = loadedName.isEmpty() ? QStringLiteral("no aircraft is loaded")
                                            : QStringLiteral("still loaded: %1").arg(loadedName);
  if (outcome.line == 0) return QStringLiteral("%1 could not be opened; %2").arg(fileName, kept);
  return QStringLiteral("%1 was not loaded (stopped at line %2); %3")
      .arg(fileName)
      .arg(outcome.line)
      .arg(kept);
}

AircraftStateMarker::AircraftStateMarker(QWidget* client,
                                         const std::array<QLineEdit*, kReaderFields>& fields)
    : QObject(client), label_(new QLabel(client)), fields_(fields) {
  setObjectName(QStringLiteral("aircraftState"));
  label_->setObjectName(QStringLiteral("lblAircraftState"));
  label_->setGeometry(RectFromTwips(kMarkerLeft, kMarkerTop, kMarkerWidth, kMarkerHeight));
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
  label_->hide();  // the window opens as before; nothing is loaded yet to speak of
}

void AircraftStateMarker::ShowRefusedLoad(const LoadOutcome& outcome, const QString& fileName,
                                          const QString& loadedName) {
  // A long file name gives up its middle until the marker fits its two lines.
  label_->ensurePolished();  // measured in the font its style sheet gives
  QString text = AircraftStateText(outcome, fileName, loadedName);
  for (int kept = fileName.size() / 2; kept > 0 && !FitsIn(*label_, text); --kept)
    text = AircraftStateText(outcome, ShortFileName(fileName, kept), loadedName);
  label_->setText(text);
  label_->setToolTip(QString::fromStdString(outcome.Message()));
  label_->setVisible(!text.isEmpty());
}

void AircraftStateMarker::ShowLoad(const std::array<bool, kReaderFields>& written) {
  label_->clear();
  label_->setToolTip({});
  label_->hide();
  for (int i = 0; i < kReaderFields; ++i) {
    QFont font = fields_[i]->font();
    font.setStrikeOut(!written[i]);
    fields_[i]->setFont(font);
  }
}

}  // namespace tz9
