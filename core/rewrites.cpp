// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/rewrites.h"

#include <algorithm>

#include "core/codescan.h"

namespace core {

CycleResult cycleColorCodes(const QString& name) {
  int unrecognised = 0;
  QString text = detail::rewriteCodes(name, [&unrecognised](int digit, QChar* out) {
    if (digit == 9) {
      ++unrecognised;
      return out;
    }
    return detail::appendCode(out, digit % 8 + 1);
  });
  return {std::move(text), unrecognised};
}

QString stripColorCodes(const QString& name) {
  return detail::rewriteCodes(name, [](int, QChar* out) { return out; });
}

QString replaceColorCode(const QString& name, int fromCode, int toCode) {
  const int written = std::clamp(toCode, 0, 9);
  return detail::rewriteCodes(name, [fromCode, written](int digit, QChar* out) {
    return detail::appendCode(out, digit == fromCode ? written : digit);
  });
}

}  // namespace core
