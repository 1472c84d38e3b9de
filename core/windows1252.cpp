// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/windows1252.h"

#include <array>

namespace core {
namespace {

// Bytes 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char16_t windows1252Char(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && kHighControls.at(byte - 0x80) != 0) {
    return kHighControls.at(byte - 0x80);
  }
  return byte;
}

QString fromWindows1252(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype index = 0; index < bytes.size(); ++index) {
    text[index] = QChar(windows1252Char(static_cast<unsigned char>(bytes[index])));
  }
  return text;
}

}  // namespace core
