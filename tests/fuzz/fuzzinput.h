// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// Fuzz bytes as a name: pairs of bytes are UTF-16 code units, so lone
// surrogates and every other oddity a text box could hold are reached.
inline QString nameFromBytes(const std::uint8_t* data, std::size_t size) {
  QString name;
  name.reserve(static_cast<qsizetype>(size / 2));
  for (std::size_t index = 0; index + 1 < size; index += 2) {
    name.append(QChar(static_cast<char16_t>(data[index] | (data[index + 1] << 8))));
  }
  return name;
}
