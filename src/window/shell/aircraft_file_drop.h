// SPDX-License-Identifier: GPL-3.0-or-later
// An aircraft file dropped on the window is loaded as the Load command loads a chosen one. A
// drag is accepted only when it carries exactly one local file whose name ends in ".dat".
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

class QMimeData;

namespace tz9 {

// The path of the one local .dat file the data carries, if that is all it carries.
std::optional<std::string> DroppedAircraftPath(const QMimeData& data);

// Watches the window's drag and drop events; made by the window, owned by it.
class AircraftFileDrop final : public QObject {
  Q_OBJECT

 public:
  using Load = std::function<void(const std::string& path)>;
  // Watches window's drops; load loads the file as the Load command does.
  AircraftFileDrop(QWidget& window, Load load);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  Load load_;
};

}  // namespace tz9
