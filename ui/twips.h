// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Window geometry is designed in twips: 1440 to the inch, 15 to a pixel at
// 96 dots per inch. Qt scales device-independent pixels on HiDPI screens, so
// the fixed layout stays crisp there.
#pragma once

#include <QRect>

namespace ui {

constexpr int kTwipsPerPixel = 15;

// The exact length in pixels, for what is drawn between whole pixels (the
// preview's small letters stand 203 twips down their cells).
[[nodiscard]] constexpr qreal twipsToPixelsF(int twips) {
  return static_cast<qreal>(twips) / kTwipsPerPixel;
}

// The nearest whole pixel, for the places and sizes of controls. These are
// all designed on whole pixels (multiples of 15 twips), so nothing is rounded.
[[nodiscard]] constexpr int twipsToPixels(int twips) {
  return qRound(twipsToPixelsF(twips));
}

[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace ui
