// SPDX-License-Identifier: GPL-3.0-or-later
// Twips, the unit of every position and size of the window's layout: 1440 to the inch, so 15 of
// them make one pixel at 96 dots per inch.
#pragma once

#include <QRect>

namespace tz9 {

inline constexpr int kTwipsPerPixel = 15;

constexpr int PixelsFromTwips(int twips) {
  return twips / kTwipsPerPixel;
}

inline QRect RectFromTwips(int left, int top, int width, int height) {
  return QRect(PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
               PixelsFromTwips(height));
}

}  // namespace tz9
