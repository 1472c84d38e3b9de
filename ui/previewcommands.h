// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the preview's shade buttons and the example menu items put in place.
#pragma once

#include <QString>

#include "core/colorcodes.h"

namespace ui {

enum class Shade { Light, Dark };

// The preview background of a shade button: shadeColor(Shade::Light) is
// palette colour 7, RGB 192, 192, 192; the dark one, 128, 128, 128, is the
// start-up look.
[[nodiscard]] core::Rgb shadeColor(Shade shade);

constexpr int kExampleCount = 3;

// The coded name of example 1 to 3; empty for any other number.
// exampleName(2) == "Y^8o^7u^8r ^7N^8a^7m^8e"
[[nodiscard]] QString exampleName(int number);

}  // namespace ui
