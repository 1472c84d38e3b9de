// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview in words, for a screen reader and for a player who cannot tell
// its colours apart: the characters the cells show, as drawn, then each run of
// one colour with the colour's name.
#pragma once

#include <QString>

#include "core/preview.h"

namespace core {

// previewWords("^1Red^2Green") == "REDGREEN: RED red, GREEN green".
// A space is a blank cell: it stays in the characters and inside a run but has
// no colour of its own, so "^1A^2 ^1B" reads "A B: A B red". A row of blanks
// reads "2 spaces, drawn blank"; a row with nothing drawn reads
// "Empty: nothing is drawn". When the name holds more than the 18 cells show,
// "; cut off after 18 characters" follows.
[[nodiscard]] QString previewWords(const QString& name);

// The same for cells already drawn; cutOff tells that the name went on.
[[nodiscard]] QString previewWords(const PreviewCells& cells, bool cutOff);

// Whether the name holds a character to draw beyond the 18th cell.
// previewCutsOff("ABCDEFGHIJKLMNOPQRS") == true; codes after the 18th
// character draw nothing, so previewCutsOff("ABCDEFGHIJKLMNOPQR^1") == false.
[[nodiscard]] bool previewCutsOff(const QString& name);

}  // namespace core
