// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The part of a name that Color Letters recolours, and the writing of its new
// colours. Internal to core: the patterns only choose a code per letter.
#pragma once

#include <QString>
#include <vector>

#include "core/colorletters.h"

namespace core::detail {

struct LetterPart {
  qsizetype begin = 0;  // widened part, in code units of the name
  qsizetype end = 0;
  qsizetype letterCount = 0;
  int codeBefore = 0;    // last code before the part, 0 for none
  int codeAtEnd = 0;     // last code before the rest, 0 for none
  int colorBefore = -1;  // palette index of the nearest non-space letter
  int colorAfter = -1;   // before and after the part, -1 for none
};

// Widens the selection (whole name for a length of 0 or less) and reads the
// colours around it.
[[nodiscard]] LetterPart findLetterPart(const QString& name, qsizetype start, qsizetype length);

// Writes the name with the part's letters in the given codes (1 to 8, one per
// letter, letterCount of them), dropping the part's codes and spaces.
[[nodiscard]] ColoredLetters colorLetterPart(const QString& name, const LetterPart& part,
                                             const std::vector<int>& codes);

}  // namespace core::detail
