// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/letterpatterns.h"

namespace app {

std::optional<core::ColoredLetters> colorLetters(LetterPattern pattern, const QString& name,
                                                 qsizetype start, qsizetype length, int fromCode,
                                                 int toCode, QRandomGenerator& random) {
  switch (pattern) {
    case LetterPattern::Rainbow:
      return core::rainbowLetters(name, start, length);
    case LetterPattern::Alternate:
      return core::alternateLetters(name, start, length, fromCode, toCode);
    case LetterPattern::Fade:
      return core::fadeLetters(name, start, length, fromCode, toCode);
    case LetterPattern::Random:
      return core::randomLetters(name, start, length, random);
  }
  return std::nullopt;
}

}  // namespace app
