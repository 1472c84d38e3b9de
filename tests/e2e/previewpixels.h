// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the preview row back from a grab of the main window's client area.
#pragma once

#include <QImage>
#include <QRect>

namespace e2e {

// The colours the preview draws with, and its two shades.
inline constexpr QRgb kRed = 0xFF0000u;
inline constexpr QRgb kGreen = 0x00FF00u;
inline constexpr QRgb kYellow = 0xFFFF00u;
inline constexpr QRgb kBlue = 0x0000FFu;
inline constexpr QRgb kAqua = 0x00FFFFu;
inline constexpr QRgb kPink = 0xFF00FFu;
inline constexpr QRgb kWhite = 0xFFFFFFu;
inline constexpr QRgb kDarkGrey = 0x808080u;
inline constexpr QRgb kLightGrey = 0xC0C0C0u;

// The pixels of one colour inside a preview cell: how many, and their box.
struct Ink {
  int pixels = 0;
  QRect box;
};

// The preview panel in the client area, and cell k's column within it.
[[nodiscard]] QRect previewPanelRect();
[[nodiscard]] QRect previewCellColumn(int cell);

[[nodiscard]] Ink inkOf(const QImage& client, int cell, QRgb colour);
// True when the cell shows a glyph's worth of the colour, not a stray
// antialiased pixel.
[[nodiscard]] bool hasInk(const QImage& client, int cell, QRgb colour);
// The background of the panel, read from its top left margin.
[[nodiscard]] QRgb panelShade(const QImage& client);

}  // namespace e2e
