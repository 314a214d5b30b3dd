// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/aircraft_file_drop.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <utility>

namespace tz9 {

std::optional<std::string> DroppedAircraftPath(const QMimeData& data) {
  if (!data.hasUrls() || data.urls().size() != 1) return std::nullopt;
  const QUrl url = data.urls().constFirst();
  if (!url.isLocalFile()) return std::nullopt;
  const QString path = url.toLocalFile();
  if (!path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) return std::nullopt;
  return QFile::encodeName(path).toStdString();
}

AircraftFileDrop::AircraftFileDrop(QWidget& window, Load load)
    : QObject(&window), window_(window), load_(std::move(load)) {
  setObjectName(QStringLiteral("aircraftFileDrop"));
  window.setAcceptDrops(true);
  window.installEventFilter(this);
}

bool AircraftFileDrop::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (DroppedAircraftPath(*drag->mimeData())) {
        drag->acceptProposedAction();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::optional<std::string> path = DroppedAircraftPath(*drop->mimeData());
      if (!path) {
        drop->ignore();
        return true;
      }
      drop->acceptProposedAction();
      load_(*path);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tz9
