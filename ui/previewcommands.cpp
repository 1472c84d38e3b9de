// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/previewcommands.h"

#include <array>

namespace ui {

core::Rgb shadeColor(Shade shade) {
  return core::colorIndexToRgb(shade == Shade::Light ? core::kLightGreyIndex
                                                     : core::kDarkGreyIndex);
}

QString exampleName(int number) {
  static const std::array<QString, kExampleCount> kExamples{
      QStringLiteral("^7cl^2A^7nn^2A^7me^6|^7n^2A^7me"),
      QStringLiteral("Y^8o^7u^8r ^7N^8a^7m^8e"),
      QStringLiteral("^7B^4!^7tch^4|^7T^4a^7r"),
  };
  if (number < 1 || number > kExampleCount) {
    return {};
  }
  return kExamples.at(static_cast<std::size_t>(number - 1));
}

}  // namespace ui
