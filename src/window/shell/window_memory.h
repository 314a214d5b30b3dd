// SPDX-License-Identifier: GPL-3.0-or-later
// What the window remembers between runs, through QSettings: the recent aircraft files, the
// folder of the last one, the places of the main window, its docks and the analysis windows, and
// the analysis windows' own fields. Never the fields of the main window: it always starts with
// its loadout, weights, ranges and options as new. Until Open() it remembers only for this run,
// and without it (--no-settings) it reads and writes nothing.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QSettings;
class QWidget;

namespace tz9 {

class WindowMemory final : public QObject {
  Q_OBJECT

 public:
  static constexpr int kRecentFiles = 8;

  explicit WindowMemory(QObject* parent);
  ~WindowMemory() override;

  // Reads the settings and restores every window followed so far; from now on changes are
  // written. A damaged file, or one of another format, is ignored: the defaults stand.
  void Open();

  // Newest first.
  const QStringList& RecentFiles() const { return recent_; }
  void AddRecentFile(const QString& path);
  void RemoveRecentFile(const QString& path);
  void ClearRecentFiles();
  // The folder of the newest recent file; empty when there is none.
  QString LastFolder() const;

  // Restores window's geometry (a main window's docks too) and the texts or checks of its
  // children named in fields, once open; saves them whenever it hides or closes.
  void Follow(QWidget* window, const QStringList& fields);
  // Saves every window followed (the program ends).
  void SaveAll();

 signals:
  // The list of recent files changed.
  void RecentFilesChanged();
  // A setting could not be written: said once a run.
  void WriteFailed(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Followed {
    QPointer<QWidget> window;
    QStringList fields;
  };
  void Restore(const Followed& followed);
  void Save(const Followed& followed);
  void WriteRecent();
  void Written();

  std::unique_ptr<QSettings> settings_;  // none until Open()
  std::vector<Followed> followed_;
  QStringList recent_;
  bool failureTold_ = false;
};

}  // namespace tz9
