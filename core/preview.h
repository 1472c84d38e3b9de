// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview row: how the game draws a coded name in 18 character cells.
#pragma once

#include <QString>
#include <array>

#include "core/colorcodes.h"

namespace core {

constexpr int kPreviewCellCount = 18;
constexpr int kLargePointSize = 22;
constexpr int kLargeTop = 120;  // twips within the preview panel
constexpr int kSmallPointSize = 18;
constexpr int kSmallTop = 203;

struct PreviewCell {
  QString text;  // one character, upper-cased, or empty
  Rgb color;
  int pointSize = kLargePointSize;
  int top = kLargeTop;

  friend bool operator==(const PreviewCell&, const PreviewCell&) = default;
};

using PreviewCells = std::array<PreviewCell, kPreviewCellCount>;  // cell 0 leftmost

// Every cell empty, white, 22 pt at top 120.
[[nodiscard]] PreviewCells initialPreviewCells();

// Empties every cell and makes its text white; size and top stay.
void resetPreview(PreviewCells& cells);

// Colours cells firstCell..17 with the colour of the code.
// paintFromCell(cells, 1, 16) leaves cells 0..15 alone and makes 16 and 17 red.
void paintFromCell(PreviewCells& cells, int code, int firstCell);

// Redraws the whole row for a name: codes taken out, characters coloured by
// the last code before them, "a" to "z" as small capitals (18 pt, top 203),
// everything else large (22 pt, top 120). Characters beyond the 18th drawn one
// are not shown and codes after it are not applied.
// renderPreview(cells, "^1ab") gives cells[0] == {"A", red, 18, 203}.
void renderPreview(PreviewCells& cells, const QString& name);

}  // namespace core
