// Window geometry is designed in twips: 1440 to the inch, 15 to a pixel at
// 96 dots per inch.
#pragma once

#include <QRect>

namespace ui {

constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int twipsToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace ui
