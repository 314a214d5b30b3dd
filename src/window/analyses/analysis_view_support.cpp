// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/analysis_view_support.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <cmath>

#include "analyses/analysis_task.h"
#include "common/number_text.h"
#include "loadout/loadout.h"
#include "widgets/view_text.h"
#include "workspace/workspace.h"

namespace tz9 {
QString LoadoutWords(const TableComputation& computation) {
  QStringList stores;
  for (size_t i = 0; i < StoreTable.size(); ++i) {
    if (computation.counts[i] == 0) continue;
    stores << TrimmedQString(computation.countTexts[i]) + QLatin1Char(' ') +
                  QString::fromLatin1(StoreTable[i].store);
  }
  if (stores.isEmpty()) return QStringLiteral("no stores");
  return stores.join(QStringLiteral(", "));
}

QString ComputationCaption(const TableComputation& computation) {
  QString caption = QStringLiteral("%1 at %2 lb with %3")
                        .arg(QString::fromStdString(computation.aircraft->AircraftFileName),
                             TrimmedQString(computation.compWeightText), LoadoutWords(computation));
  caption += QStringLiteral("; %1 altitudes by %2 speeds")
                 .arg(computation.AltitudeCount())
                 .arg(computation.SpeedCount());
  if (!computation.speedHeaders.empty()) {
    caption += QStringLiteral(" (%1 to %2 kt)")
                   .arg(TrimmedQString(computation.speedHeaders.front()),
                        TrimmedQString(computation.speedHeaders.back()));
  }
  return caption;
}

QString BaselineCaption(const Workspace& workspace) {
  const std::shared_ptr<const TableComputation> baseline = workspace.baseline();
  if (!baseline) return {};
  QString name = workspace.baselineAircraftName().trimmed();
  if (name.isEmpty()) name = QString::fromStdString(baseline->aircraft->AircraftFileName);
  const QLocale grouped(QLocale::English, QLocale::UnitedStates);
  QStringList parts = {name,
                       grouped.toString(baseline->weight, 'f', QLocale::FloatingPointShortest) +
                           QStringLiteral(" lb")};
  for (size_t i = 0; i < StoreTable.size(); ++i) {
    if (baseline->counts[i] == 0) continue;
    const QString& field = workspace.storeNames()[i];
    parts << (field.isEmpty() ? QString::fromLatin1(StoreTable[i].store) : field) +
                 QStringLiteral(" x") + TrimmedQString(baseline->countTexts[i]);
  }
  return QStringLiteral("Baseline: ") + parts.join(QStringLiteral(", "));
}

QString HoursMinutes(double hours) {
  if (!std::isfinite(hours)) return {};
  const double minutes = std::round(hours * 60);
  const double wholeHours = std::floor(minutes / 60);
  const double restMinutes = minutes - wholeHours * 60;
  return QStringLiteral("%1:%2")
      .arg(QString::number(wholeHours, 'f', 0))
      .arg(QString::number(restMinutes, 'f', 0), 2, QLatin1Char('0'));
}

QString Shortest(double value) {
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

AnalysisProgress::AnalysisProgress(AnalysisTask& task, const char* barName, const char* cancelName,
                                   const QString& running, QWidget* parent)
    : QWidget(parent),
      label_(new QLabel(running, this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  bar_->setObjectName(QString::fromLatin1(barName));
  cancel_->setObjectName(QString::fromLatin1(cancelName));
  bar_->setRange(0, 100);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label_);
  layout->addWidget(bar_, 1);
  layout->addWidget(cancel_);
  for (QWidget* part : {static_cast<QWidget*>(label_), static_cast<QWidget*>(bar_),
                        static_cast<QWidget*>(cancel_)}) {
    QSizePolicy policy = part->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    part->setSizePolicy(policy);
  }
  connect(cancel_, &QPushButton::clicked, &task, &AnalysisTask::Cancel);
  connect(&task, &AnalysisTask::Started, this, [this] { SetRunning(true); });
  connect(&task, &AnalysisTask::Progress, bar_, &QProgressBar::setValue);
  for (auto ended : {&AnalysisTask::Finished, &AnalysisTask::Cancelled})
    connect(&task, ended, this, [this] { SetRunning(false); });
  connect(&task, &AnalysisTask::Failed, this, [this] { SetRunning(false); });
  SetRunning(false);
}

void AnalysisProgress::SetRunning(bool running) {
  bar_->setValue(0);
  label_->setVisible(running);
  bar_->setVisible(running);
  cancel_->setVisible(running);
}

QLabel* WrappingLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QLabel* NoticeLabel(const char* name, QWidget* parent) {
  QLabel* label = WrappingLabel(name, parent);
  label->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
  return label;
}

ResultGrid MakeTextTable(int rows, std::span<const TableColumn> columns) {
  ResultGrid table;
  table.SetRows(rows + 1);
  table.SetCols(static_cast<int>(columns.size()));
  for (size_t i = 0; i < columns.size(); ++i) {
    const int col = static_cast<int>(i);
    table.SetColWidth(col, columns[i].widthTwips);
    table.SetColAlignment(col, ResultGrid::kCentreTop);
    PutText(table, 0, col, QString::fromUtf8(columns[i].caption));
  }
  return table;
}

void PutText(ResultGrid& table, int row, int col, const QString& text) {
  table.SetRow(row);
  table.SetCol(col);
  table.SetText(text.toStdString());
}

}  // namespace tz9
