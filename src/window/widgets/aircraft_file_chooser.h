// SPDX-License-Identifier: GPL-3.0-or-later
// The open-file dialog of the Load command, behind a small interface so that the tests can
// answer it with a path or a cancel.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace tz9 {

class AircraftFileChooser {
 public:
  virtual ~AircraftFileChooser() = default;
  // The full path of the chosen file, or nothing when the user cancels.
  virtual std::optional<std::string> ChooseAircraftFile() = 0;
};

// The filter entry of the dialog; Qt reads the pattern from the parentheses.
inline constexpr const char* kAircraftFileFilter = "TZ9 Aircraft File  (*.dat)";

// A modal QFileDialog that starts in the folder of the last file chosen, or before any choice in
// the folder of the sample aircraft shipped with the program.
class DialogAircraftFileChooser final : public AircraftFileChooser {
 public:
  explicit DialogAircraftFileChooser(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> ChooseAircraftFile() override;
  // The folder the next dialog starts in (the last file's of an earlier run).
  void SetStartFolder(const QString& folder) { lastFolder_ = folder; }

 private:
  QWidget* parent_;
  QString lastFolder_;
};

// The folder of the sample aircraft: examples/ next to the executable or one or two levels up,
// the installed share/tz9perf/examples, else the source tree's examples/; empty when none of
// them exists.
QString SampleAircraftFolder();

}  // namespace tz9
