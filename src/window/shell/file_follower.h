// SPDX-License-Identifier: GPL-3.0-or-later
// Follows the loaded aircraft file on disk. When it changes, a bar above the grids says so with
// "Reload" and "Dismiss"; when it is deleted or renamed away, the bar says that. An editor that
// saves by writing a new file and renaming it over the old one is still followed, and a burst of
// changes gives one bar.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QFileSystemWatcher;
class QLabel;
class QMainWindow;
class QPushButton;
class QTimer;
class QToolBar;

namespace tz9 {

class AircraftFileFollower final : public QObject {
  Q_OBJECT

 public:
  using Reload = std::function<void(const std::string& path)>;
  // The bar is a hidden tool bar of window's, at its top; reload loads the file again.
  AircraftFileFollower(QMainWindow& window, Reload reload);

  // The file loaded now (encoded as the file system names it), followed from now on.
  void Follow(const std::string& path);

  QToolBar* barFileChanged = nullptr;
  QLabel* lblFileChanged = nullptr;
  QPushButton* cmdReload = nullptr;
  QPushButton* cmdDismiss = nullptr;

 private:
  void SomethingChanged();
  void Settled();

  QFileSystemWatcher* watcher_;
  QTimer* settle_;  // changes in a burst are told once, when they stop
  Reload reload_;
  std::string path_;
  QString file_;  // path_ as Qt names it
  QDateTime lastModified_;
  qint64 lastSize_ = -1;
};

}  // namespace tz9
