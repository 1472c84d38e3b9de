// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The four patterns of the name box's Color Letters menu and the core
// rewrite behind each.
#pragma once

#include <QRandomGenerator>
#include <QString>
#include <array>
#include <optional>

#include "core/colorletters.h"

namespace app {

enum class LetterPattern { Rainbow, Alternate, Fade, Random };

struct LetterPatternItem {
  LetterPattern pattern;
  const char* objectName;
  const char* caption;
};

// The items in menu order.
inline constexpr std::array<LetterPatternItem, 4> kLetterPatternItems{{
    {LetterPattern::Rainbow, "colorLettersRainbow", "Rainbow"},
    {LetterPattern::Alternate, "colorLettersAlternate", "Alternate"},
    {LetterPattern::Fade, "colorLettersFade", "Fade"},
    {LetterPattern::Random, "colorLettersRandom", "Random"},
}};

// Recolours the selected part of the name (start and length as QLineEdit
// gives them; the whole name without a selection) in the pattern. fromCode
// and toCode are the colour lists' codes (colorNameToCode), used by Alternate
// and Fade, which give std::nullopt when either is no colour; random is
// drawn from by Random only.
[[nodiscard]] std::optional<core::ColoredLetters> colorLetters(LetterPattern pattern,
                                                               const QString& name, qsizetype start,
                                                               qsizetype length, int fromCode,
                                                               int toCode,
                                                               QRandomGenerator& random);

}  // namespace app
