// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/preview.h"

#include <optional>

#include "core/codescan.h"

namespace core {
namespace {

// Writes one drawn character, upper-cased, into the cell's text. A whole code
// point is taken, so a surrogate pair is never split over two cells. The text
// buffer is reused: the row is redrawn on every keystroke.
void takeCharacter(const QChar* text, qsizetype length, qsizetype& index, QString& cellText) {
  char32_t codePoint = text[index].unicode();
  qsizetype units = 1;
  if (text[index].isHighSurrogate() && index + 1 < length && text[index + 1].isLowSurrogate()) {
    codePoint = QChar::surrogateToUcs4(text[index], text[index + 1]);
    units = 2;
  }
  index += units;
  const char32_t upper = QChar::toUpper(codePoint);
  if (QChar::requiresSurrogates(upper)) {
    cellText.resize(2);
    cellText[0] = QChar(QChar::highSurrogate(upper));
    cellText[1] = QChar(QChar::lowSurrogate(upper));
  } else {
    cellText.resize(1);
    cellText[0] = QChar(static_cast<char16_t>(upper));
  }
}

}  // namespace

PreviewCells initialPreviewCells() {
  PreviewCells cells;
  resetPreview(cells);
  return cells;
}

void resetPreview(PreviewCells& cells) {
  const Rgb white = colorIndexToRgb(kDefaultColorIndex);
  for (PreviewCell& cell : cells) {
    cell.text.truncate(0);
    cell.color = white;
  }
}

void paintFromCell(PreviewCells& cells, int code, int firstCell) {
  const Rgb color = colorIndexToRgb(codeToColorIndex(code));
  for (int cell = std::max(firstCell, 0); cell < kPreviewCellCount; ++cell) {
    cells.at(static_cast<std::size_t>(cell)).color = color;
  }
}

void renderPreview(PreviewCells& cells, const QString& name) {
  resetPreview(cells);
  // Each code repaints from its cell to the end of the row, so only the last
  // code met at each cell matters; paint those once after the scan.
  std::array<std::optional<int>, kPreviewCellCount> lastCodeAtCell;
  const QChar* text = name.constData();
  const qsizetype length = name.size();
  std::size_t nextCell = 0;
  for (qsizetype index = 0; index < length && nextCell < cells.size();) {
    if (detail::isCodeAt(text, length, index)) {
      lastCodeAtCell.at(nextCell) = text[index + 1].unicode() - u'0';
      index += 2;
      continue;
    }
    PreviewCell& cell = cells.at(nextCell++);
    const bool small = text[index] >= u'a' && text[index] <= u'z';
    cell.pointSize = small ? kSmallPointSize : kLargePointSize;
    cell.top = small ? kSmallTop : kLargeTop;
    takeCharacter(text, length, index, cell.text);
  }
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    if (lastCodeAtCell.at(cell)) {
      paintFromCell(cells, *lastCodeAtCell.at(cell), static_cast<int>(cell));
    }
  }
}

}  // namespace core
