// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_memory.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QWidget>

#include "common/version.h"

namespace tz9 {
namespace {

// Raised when what is kept changes its meaning: a file of another format is ignored.
constexpr int kFormat = 1;

QString FromView(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString Key(const QWidget& window, const QString& what) {
  return QStringLiteral("windows/%1/%2").arg(window.objectName(), what);
}

}  // namespace

WindowMemory::WindowMemory(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("windowMemory"));
}

WindowMemory::~WindowMemory() = default;

void WindowMemory::Open() {
  settings_ =
      std::make_unique<QSettings>(FromView(kSettingsOrganisation), FromView(kSettingsApplication));
  const bool usable = settings_->status() == QSettings::NoError &&
                      settings_->value(QStringLiteral("format"), kFormat).toInt() == kFormat;
  if (!usable) {
    settings_->clear();  // damaged or of another format: start again from the defaults
  } else {
    // What was loaded in this run before the settings were read comes first.
    for (const QString& path : settings_->value(QStringLiteral("recentFiles")).toStringList())
      if (!recent_.contains(path)) recent_.append(path);
    recent_ = recent_.mid(0, kRecentFiles);
  }
  settings_->setValue(QStringLiteral("format"), kFormat);
  WriteRecent();
  for (const Followed& followed : followed_)
    Restore(followed);
  emit RecentFilesChanged();
}

void WindowMemory::AddRecentFile(const QString& path) {
  recent_.removeAll(path);
  recent_.prepend(path);
  while (recent_.size() > kRecentFiles)
    recent_.removeLast();
  WriteRecent();
}

void WindowMemory::RemoveRecentFile(const QString& path) {
  recent_.removeAll(path);
  WriteRecent();
}

void WindowMemory::ClearRecentFiles() {
  recent_.clear();
  WriteRecent();
}

QString WindowMemory::LastFolder() const {
  return recent_.isEmpty() ? QString() : QFileInfo(recent_.first()).absolutePath();
}

void WindowMemory::WriteRecent() {
  if (settings_) {
    settings_->setValue(QStringLiteral("recentFiles"), recent_);
    Written();
  }
  emit RecentFilesChanged();
}

void WindowMemory::Follow(QWidget* window, const QStringList& fields) {
  followed_.push_back({window, fields});
  window->installEventFilter(this);
  if (settings_) Restore(followed_.back());
}

void WindowMemory::SaveAll() {
  for (const Followed& followed : followed_)
    Save(followed);
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide || event->type() == QEvent::Close) {
    for (const Followed& followed : followed_) {
      if (followed.window == watched) Save(followed);
    }
  }
  return QObject::eventFilter(watched, event);
}

void WindowMemory::Restore(const Followed& followed) {
  QWidget* window = followed.window;
  if (window == nullptr) return;
  const QByteArray geometry =
      settings_->value(Key(*window, QStringLiteral("geometry"))).toByteArray();
  if (!geometry.isEmpty()) window->restoreGeometry(geometry);
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    main->restoreState(settings_->value(Key(*window, QStringLiteral("state"))).toByteArray());
  }
  for (const QString& name : followed.fields) {
    const QVariant value = settings_->value(Key(*window, name));
    if (!value.isValid()) continue;
    if (auto* field = window->findChild<QLineEdit*>(name)) field->setText(value.toString());
    if (auto* button = window->findChild<QAbstractButton*>(name))
      button->setChecked(value.toBool());
  }
}

void WindowMemory::Save(const Followed& followed) {
  QWidget* window = followed.window;
  if (!settings_ || window == nullptr) return;
  settings_->setValue(Key(*window, QStringLiteral("geometry")), window->saveGeometry());
  if (auto* main = qobject_cast<QMainWindow*>(window))
    settings_->setValue(Key(*window, QStringLiteral("state")), main->saveState());
  for (const QString& name : followed.fields) {
    if (auto* field = window->findChild<QLineEdit*>(name))
      settings_->setValue(Key(*window, name), field->text());
    if (auto* button = window->findChild<QAbstractButton*>(name))
      settings_->setValue(Key(*window, name), button->isChecked());
  }
  Written();
}

void WindowMemory::Written() {
  settings_->sync();
  if (settings_->status() == QSettings::NoError || failureTold_) return;
  failureTold_ = true;
  emit WriteFailed(
      QStringLiteral("The settings could not be written to %1.").arg(settings_->fileName()));
}

}  // namespace tz9
