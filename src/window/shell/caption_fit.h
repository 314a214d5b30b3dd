// SPDX-License-Identifier: GPL-3.0-or-later
// Captions that keep their places whatever face stands in for the layout's small sans-serif:
// a label or option whose text is wider than its place in the face at hand is drawn a pixel
// smaller, down to a floor, rather than cut.
#pragma once

class QWidget;

namespace tz9 {

// The smallest pixel size a caption is drawn at.
inline constexpr int kSmallestCaptionPixels = 9;

// Shrinks the font of each label and option button of client (its own children) whose one-line
// text does not fit its width.
void FitCaptions(QWidget* client);

}  // namespace tz9
