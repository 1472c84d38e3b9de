// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows-1252, the single-byte code page the game reads its scripts in.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace game {

// At most this many of the characters the code page cannot hold are named.
inline constexpr qsizetype kNamedUnwritable = 5;

struct Encoded {
  QByteArray bytes;
  // The first kNamedUnwritable characters the code page cannot hold, each
  // once, in order of appearance, shown as "€" would be: the character and
  // its code, e.g. "☺" (U+263A).
  QStringList unwritable;
  // How many other characters it cannot hold, each counted once.
  qsizetype moreUnwritable = 0;

  [[nodiscard]] bool ok() const { return unwritable.isEmpty(); }
};

// toWindows1252("Name ^1é€") gives the bytes 4E 61 6D 65 20 5E 31 E9 80.
// Control characters (a line break would split the line) and characters
// outside the code page are listed in unwritable, and bytes is then empty.
[[nodiscard]] Encoded toWindows1252(const QString& text);

}  // namespace game
