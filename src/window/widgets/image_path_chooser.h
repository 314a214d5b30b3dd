// SPDX-License-Identifier: GPL-3.0-or-later
// The save-file dialog of "Save Image…" in the charts window, behind a small interface so that
// the tests can answer it with a path or a cancel.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace tz9 {

class ImagePathChooser {
 public:
  virtual ~ImagePathChooser() = default;
  // The path to write, or nothing when the user cancels. The name's ending says the format.
  virtual std::optional<QString> ChooseImagePath(const QString& suggestedName) = 0;
};

// The filter entries of the dialog; Qt reads the pattern from the parentheses.
inline constexpr const char* kImageFileFilter = "PNG image (*.png);;SVG image (*.svg)";

// A modal QFileDialog that remembers the folder of the last image saved.
class DialogImagePathChooser final : public ImagePathChooser {
 public:
  explicit DialogImagePathChooser(QWidget* parent) : parent_(parent) {}
  std::optional<QString> ChooseImagePath(const QString& suggestedName) override;

 private:
  QWidget* parent_;
  QString lastFolder_;
};

}  // namespace tz9
