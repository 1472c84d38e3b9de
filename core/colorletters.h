// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Color Letters: give each letter of a name, or of a selected part of it, its
// own colour in one of four patterns. Pure functions like the rewrites.
//
// The part is the selection, or the whole name when nothing is selected.
// It is widened to whole characters: a selection that starts or ends inside
// a colour code takes the whole code, one that cuts a surrogate pair takes the
// whole pair, and the codes right before and right after the part are taken
// in too, since they only colour the part's letters or are replaced by the
// code that keeps the rest's colour.
//
// The part's letters are the characters it draws, spaces left out: every
// character that is not part of a colour code (a caret that starts no code
// included), a character outside the Basic Multilingual Plane as one letter.
// The part's codes are replaced and its spaces dropped; its letters stay, in
// order. The result
// - draws exactly those letters in the pattern's colours, writing a code only
//   where the colour changes ("Tintra" gets no code before a white first
//   letter), except where a code must stand between two characters that
//   would otherwise meet and draw differently: a caret and a digit "1" to "9"
//   (they would form a code) or the halves of a surrogate pair;
// - leaves the text before the part as it is, and draws the text after it as
//   before, with one code that restores its colour where that is needed.
//
// Colours are compared as the game draws them: code 7 is the same white as
// uncoded text, code 9 the same black as code 8.
//
// Selections are given as QLineEdit gives them, in UTF-16 code units: a start
// and a length, with a length of 0 (or less) for no selection. A selection
// reaching past the name is cut to it. A caller passes selectionStart() and
// selectionLength(), then sets the text and setSelection(start, length) of the
// result, so the next pattern recolours the same letters. An empty part gives
// back a length of 0, which would stand for the whole name next time.
#pragma once

#include <QRandomGenerator>
#include <QString>
#include <optional>

namespace core {

struct ColoredLetters {
  QString text;          // the whole new name
  qsizetype start = 0;   // where the recoloured part is in it, to select it
  qsizetype length = 0;  // afterwards; a restoring code after it is not part

  friend bool operator==(const ColoredLetters&, const ColoredLetters&) = default;
};

// Red, Yellow, Green, Aqua, Blue, Pink, one per letter, then Red again.
// rainbowLetters("Tintra", 0, 0) == ColoredLetters{"^1T^3i^2n^5t^4r^6a", 0, 18}
// rainbowLetters("^1Tintra", 3, 2) == ColoredLetters{"^1Ti^3n^1tra", 3, 4}
[[nodiscard]] ColoredLetters rainbowLetters(const QString& name, qsizetype start, qsizetype length);

// The colour codes 1 to 8 of the two colour lists, in turn, starting with
// fromCode. Any code outside 1 to 8 (colorNameToCode's 0 for a text that is
// no colour name) gives std::nullopt: the name is left alone.
// alternateLetters("abc", 0, 0, 1, 2) == ColoredLetters{"^1a^2b^1c", 0, 9}
[[nodiscard]] std::optional<ColoredLetters> alternateLetters(const QString& name, qsizetype start,
                                                             qsizetype length, int fromCode,
                                                             int toCode);

// From fromCode to toCode around the wheel Red, Yellow, Green, Aqua, Blue,
// Pink (and back to Red), the shorter way, in the wheel's order when both ways
// are as long. The first letter takes fromCode, the last toCode; each colour
// of the way colours a run of neighbouring letters, the runs differing in
// length by one at most (the longer ones spread evenly along the part). With fewer letters
// than colours on the way, colours of the way are left out evenly. White and
// Black are not on the wheel: a fade to or from one of them colours the first
// half fromCode and the second half toCode. Codes outside 1 to 8 give
// std::nullopt, as for alternateLetters.
// fadeLetters("abcdef", 0, 0, 1, 4) == ColoredLetters{"^1ab^6cd^4ef", 0, 12}
[[nodiscard]] std::optional<ColoredLetters> fadeLetters(const QString& name, qsizetype start,
                                                        qsizetype length, int fromCode, int toCode);

// Each letter one of the six wheel colours drawn from random, never the
// colour of the letter before it; the part's first and last letters also
// differ from the nearest letters drawn before and after the part. Spaces do
// not count as neighbours.
// QRandomGenerator random(7);
// randomLetters("abc", 0, 0, random) == ColoredLetters{"^4a^5b^1c", 0, 9}
[[nodiscard]] ColoredLetters randomLetters(const QString& name, qsizetype start, qsizetype length,
                                           QRandomGenerator& random);

}  // namespace core
