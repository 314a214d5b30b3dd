// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/file_follower.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace tz9 {
namespace {

constexpr int kSettleMilliseconds = 300;

}  // namespace

AircraftFileFollower::AircraftFileFollower(QMainWindow& window, Reload reload)
    : QObject(&window),
      watcher_(new QFileSystemWatcher(this)),
      settle_(new QTimer(this)),
      reload_(std::move(reload)) {
  setObjectName(QStringLiteral("aircraftFileFollower"));
  barFileChanged = new QToolBar(QStringLiteral("Aircraft file"), &window);
  barFileChanged->setObjectName(QStringLiteral("barFileChanged"));
  barFileChanged->setMovable(false);
  barFileChanged->setFloatable(false);
  barFileChanged->toggleViewAction()->setVisible(false);
  lblFileChanged = new QLabel(barFileChanged);
  lblFileChanged->setObjectName(QStringLiteral("lblFileChanged"));
  cmdReload = new QPushButton(QStringLiteral("&Reload"), barFileChanged);
  cmdReload->setObjectName(QStringLiteral("cmdReload"));
  cmdDismiss = new QPushButton(QStringLiteral("Dismiss"), barFileChanged);
  cmdDismiss->setObjectName(QStringLiteral("cmdDismiss"));
  barFileChanged->addWidget(lblFileChanged);
  barFileChanged->addWidget(cmdReload);
  barFileChanged->addWidget(cmdDismiss);
  window.addToolBar(Qt::TopToolBarArea, barFileChanged);
  barFileChanged->hide();

  settle_->setSingleShot(true);
  settle_->setInterval(kSettleMilliseconds);
  connect(settle_, &QTimer::timeout, this, &AircraftFileFollower::Settled);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this,
          &AircraftFileFollower::SomethingChanged);
  // A file renamed over the followed one leaves the watcher with no file: its folder tells.
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this,
          &AircraftFileFollower::SomethingChanged);
  connect(cmdReload, &QPushButton::clicked, this, [this] {
    barFileChanged->hide();
    reload_(path_);
  });
  connect(cmdDismiss, &QPushButton::clicked, barFileChanged, &QWidget::hide);
}

void AircraftFileFollower::Follow(const std::string& path) {
  if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
  if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
  settle_->stop();
  barFileChanged->hide();
  path_ = path;
  file_ = QFile::decodeName(QByteArray::fromStdString(path));
  watcher_->addPath(file_);
  watcher_->addPath(QFileInfo(file_).absolutePath());
  lastModified_ = QFileInfo(file_).lastModified();
  lastSize_ = QFileInfo(file_).size();
}

void AircraftFileFollower::SomethingChanged() {
  settle_->start();
}

// Once the burst is over: the file is there and different, or gone.
void AircraftFileFollower::Settled() {
  const QFileInfo now(file_);
  if (!now.exists()) {
    lblFileChanged->setText(
        QStringLiteral("The aircraft file was deleted or renamed: %1.").arg(now.fileName()));
    cmdReload->setEnabled(false);
    barFileChanged->show();
    return;
  }
  if (!watcher_->files().contains(file_)) watcher_->addPath(file_);  // replaced by a rename
  // The folder changes for any file in it: only a change of this one is told.
  if (now.lastModified() == lastModified_ && now.size() == lastSize_ &&
      barFileChanged->isHidden()) {
    return;
  }
  lastModified_ = now.lastModified();
  lastSize_ = now.size();
  lblFileChanged->setText(QStringLiteral("The aircraft file changed on disk."));
  cmdReload->setEnabled(true);
  barFileChanged->show();
}

}  // namespace tz9
