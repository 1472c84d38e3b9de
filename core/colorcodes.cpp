// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colorcodes.h"

#include <array>

#include "core/codescan.h"

namespace core {
namespace {

constexpr std::array<int, 8> kCodeColorIndex = {12, 10, 14, 9, 11, 13, 15, 0};

constexpr std::array<Rgb, 16> kConsolePalette = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

}  // namespace

bool isColorCodeAt(const QString& name, int position) {
  return detail::isCodeAt(name.constData(), name.size(), qsizetype{position} - 1);
}

int codeToColorIndex(int code) {
  if (code < 1 || code > 8) {
    return 0;
  }
  return kCodeColorIndex.at(static_cast<std::size_t>(code - 1));
}

Rgb colorIndexToRgb(int colorIndex) {
  if (colorIndex < 0 || colorIndex >= static_cast<int>(kConsolePalette.size())) {
    return {};
  }
  return kConsolePalette.at(static_cast<std::size_t>(colorIndex));
}

QStringList colorNames() {
  return {QStringLiteral("Red"),   QStringLiteral("Green"), QStringLiteral("Yellow"),
          QStringLiteral("Blue"),  QStringLiteral("Aqua"),  QStringLiteral("Pink"),
          QStringLiteral("White"), QStringLiteral("Black")};
}

int colorNameToCode(const QString& colorName) {
  const QStringList names = colorNames();
  const auto index = names.indexOf(colorName);
  return index < 0 ? 0 : static_cast<int>(index) + 1;
}

}  // namespace core
