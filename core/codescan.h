// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one left-to-right scan shared by the name rewrites. Internal to core.
#pragma once

#include <QString>

namespace core::detail {

// True when the code units at index and index + 1 (0-based) form a colour code.
[[nodiscard]] inline bool isCodeAt(const QChar* text, qsizetype length, qsizetype index) {
  if (index < 0 || index + 1 >= length || text[index] != u'^') {
    return false;
  }
  const char16_t digit = text[index + 1].unicode();
  return digit >= u'1' && digit <= u'9';
}

// Reads the name once: each colour code is handed to appendForCode(digit, out),
// which writes at most two characters at out and returns the new end; spaces are
// dropped; every other character is copied. A surrogate pair is never a caret, a
// digit or a space, so it is copied whole.
template <typename AppendForCode>
[[nodiscard]] QString rewriteCodes(const QString& name, AppendForCode appendForCode) {
  const QChar* text = name.constData();
  const qsizetype length = name.size();
  QString result(length, Qt::Uninitialized);
  QChar* const begin = result.data();
  QChar* out = begin;
  for (qsizetype index = 0; index < length;) {
    if (isCodeAt(text, length, index)) {
      out = appendForCode(text[index + 1].unicode() - u'0', out);
      index += 2;
      continue;
    }
    if (text[index] != u' ') {
      *out++ = text[index];
    }
    ++index;
  }
  result.truncate(out - begin);
  return result;
}

// Writes "^" and the digit for a code 0 to 9.
[[nodiscard]] inline QChar* appendCode(QChar* out, int code) {
  *out++ = u'^';
  *out++ = QChar(static_cast<char16_t>(u'0' + code));
  return out;
}

}  // namespace core::detail
