// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour-code language of Veldmark player names.
//
// A name is read left to right. A caret "^" directly followed by a digit
// "1" to "9" is a colour code: the two characters are taken as one unit, are
// not drawn, and set the colour of every character after them up to the next
// code. Anything else is an ordinary character: "^0", a caret before a
// non-digit or another caret, and a caret that ends the name are all drawn.
// Characters before the first code are white.
//
// Codes 1 to 8 are the colours the user can pick by name; code 9 draws black
// like code 8 but has no name.
#pragma once

#include <QString>
#include <QStringList>

namespace core {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Index of the classic 16-colour console palette for uncoded text: white.
constexpr int kDefaultColorIndex = 15;
// Preview background shades, also palette indices.
constexpr int kLightGreyIndex = 7;
constexpr int kDarkGreyIndex = 8;

// isColorCodeAt("a^1b", 2) == true; isColorCodeAt("^0", 1) == false.
// The position is 1-based; positions outside the name are never a code.
[[nodiscard]] bool isColorCodeAt(const QString& name, int position);

// codeToColorIndex(1) == 12; codeToColorIndex(9) == 0; codeToColorIndex(42) == 0.
[[nodiscard]] int codeToColorIndex(int code);

// colorIndexToRgb(12) == Rgb{255, 0, 0}; indices outside 0..15 give black.
[[nodiscard]] Rgb colorIndexToRgb(int colorIndex);

// colorNameToCode("Red") == 1; colorNameToCode("red") == 0. Exact match only.
[[nodiscard]] int colorNameToCode(const QString& colorName);

// colorNames() == {"Red", "Green", ..., "Black"}: codes 1 to 8 in order.
[[nodiscard]] QStringList colorNames();

}  // namespace core

#include "core/colorletters.h"
#include "core/preview.h"
#include "core/rewrites.h"
