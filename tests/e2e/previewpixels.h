// Reading the preview row back from a grab of the main window's client area.
#pragma once

#include <QImage>
#include <QRect>

namespace e2e {

// The pixels of one colour inside a preview cell: how many, and their box.
struct Ink {
  int pixels = 0;
  QRect box;
};

// The preview panel in the client area, and cell k's column within it.
[[nodiscard]] QRect previewPanelRect();
[[nodiscard]] QRect previewCellColumn(int cell);

[[nodiscard]] Ink inkOf(const QImage& client, int cell, QRgb colour);
// The background of the panel, read from its top left margin.
[[nodiscard]] QRgb panelShade(const QImage& client);

}  // namespace e2e
