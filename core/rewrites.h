// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rewrites of a coded name. Each reads the name once, left to right, takes a
// colour code as one unit, drops every space and copies every other character.
#pragma once

#include <QString>

namespace core {

struct CycleResult {
  QString text;
  int unrecognisedCodes = 0;  // how many "^9" were met and left out

  friend bool operator==(const CycleResult&, const CycleResult&) = default;
};

// cycleColorCodes("^7x^8y ^9z") == CycleResult{"^8x^1yz", 1}
[[nodiscard]] CycleResult cycleColorCodes(const QString& name);

// stripColorCodes("^1a ^^1b") == "a^b"; one pass only, so "^^11" gives "^1".
[[nodiscard]] QString stripColorCodes(const QString& name);

// replaceColorCode("^1a^2b ^1c", 1, 2) == "^2a^2b^2c"; a toCode of 0 writes "^0".
// fromCode 0 matches nothing; a toCode outside 0..9 is clamped into it.
[[nodiscard]] QString replaceColorCode(const QString& name, int fromCode, int toCode);

}  // namespace core
