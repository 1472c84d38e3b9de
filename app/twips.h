// The window's layout is designed in twips (1440 to the inch, 15 to a pixel at
// 96 dpi). Qt scales device-independent pixels on HiDPI screens, so the fixed
// layout stays crisp there.
#pragma once

#include <QRect>

namespace app {

constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int twips(int value) {
  return value / kTwipsPerPixel;
}

[[nodiscard]] constexpr qreal twipsF(int value) {
  return static_cast<qreal>(value) / kTwipsPerPixel;
}

// A rectangle given as left, top, width and height in twips.
[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height) {
  return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace app
