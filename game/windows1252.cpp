// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/windows1252.h"

#include <QSet>
#include <QStringView>

#include "core/windows1252.h"

namespace game {
namespace {

// The byte for a code point, or -1 when the code page has none.
int byteFor(char32_t code) {
  if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)) {
    return -1;
  }
  if (code < 0x100) {
    return static_cast<int>(code);
  }
  for (int byte = 0x80; byte < 0xA0; ++byte) {
    if (core::windows1252Char(static_cast<unsigned char>(byte)) == code) {
      return byte;
    }
  }
  return -1;
}

QString describe(char32_t code) {
  const QString hex = QString::number(code, 16).toUpper().rightJustified(4, u'0');
  if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
    return QStringLiteral("U+%1").arg(hex);
  }
  return QStringLiteral("\"%1\" (U+%2)").arg(QString::fromUcs4(&code, 1), hex);
}

}  // namespace

Encoded toWindows1252(const QString& text) {
  Encoded result;
  QSet<char32_t> unwritable;
  for (const char32_t code : QStringView(text).toUcs4()) {
    const int byte = byteFor(code);
    if (byte >= 0) {
      result.bytes.append(static_cast<char>(byte));
    } else if (!unwritable.contains(code)) {
      unwritable.insert(code);
      if (result.unwritable.size() < kNamedUnwritable) {
        result.unwritable << describe(code);
      } else {
        ++result.moreUnwritable;
      }
    }
  }
  if (!result.ok()) {
    result.bytes.clear();
  }
  return result;
}

}  // namespace game
