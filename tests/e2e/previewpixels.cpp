// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "previewpixels.h"

namespace e2e {

// Frame3 at (8, 144), Picture1 at (8, 16) within it, 449 x 57; cells 23 wide
// every 24 pixels from x 8.
QRect previewPanelRect() {
  return {16, 160, 449, 57};
}

QRect previewCellColumn(int cell) {
  const QRect panel = previewPanelRect();
  return {panel.left() + 8 + 24 * cell, panel.top(), 23, panel.height()};
}

Ink inkOf(const QImage& client, int cell, QRgb colour) {
  Ink ink;
  const QRect column = previewCellColumn(cell).intersected(client.rect());
  for (int y = column.top(); y <= column.bottom(); ++y) {
    for (int x = column.left(); x <= column.right(); ++x) {
      if ((client.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu)) {
        ++ink.pixels;
        ink.box |= QRect(x, y, 1, 1);
      }
    }
  }
  return ink;
}

QRgb panelShade(const QImage& client) {
  const QPoint margin = previewPanelRect().topLeft() + QPoint(2, 2);
  return client.pixel(margin) & 0xFFFFFFu;
}

bool hasInk(const QImage& client, int cell, QRgb colour) {
  return inkOf(client, cell, colour).pixels >= 10;
}

}  // namespace e2e
