// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/previewwords.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/codescan.h"

namespace core {
namespace {

constexpr int kNamedCodes = 8;

// The name of a colour as the colour lists give it, in lower case. Every cell
// colour is a code's colour: uncoded text is the same white as code 7 and
// code 9 the same black as code 8.
QString colorWord(const Rgb& color) {
  static const auto kWords = [] {
    std::array<std::pair<Rgb, QString>, kNamedCodes> words;
    const QStringList names = colorNames();
    for (int code = 1; code <= kNamedCodes; ++code) {
      words.at(static_cast<std::size_t>(code - 1)) = {colorIndexToRgb(codeToColorIndex(code)),
                                                      names.at(code - 1).toLower()};
    }
    return words;
  }();
  for (const auto& [rgb, word] : kWords) {
    if (rgb == color) {
      return word;
    }
  }
  return QStringLiteral("unnamed colour");
}

bool isBlank(const PreviewCell& cell) {
  return !cell.text.isEmpty() && cell.text.at(0).isSpace();
}

// Appends the runs of one colour. A blank has no colour of its own: it joins
// the run around it, and the blanks between two runs belong to neither.
void appendRuns(QString& words, const PreviewCells& cells, std::size_t drawn) {
  bool first = true;
  for (std::size_t cell = 0; cell < drawn;) {
    if (isBlank(cells.at(cell))) {
      ++cell;
      continue;
    }
    const Rgb color = cells.at(cell).color;
    std::size_t end = cell + 1;  // past the run's last character that shows
    for (std::size_t next = end; next < drawn; ++next) {
      if (isBlank(cells.at(next))) {
        continue;
      }
      if (!(cells.at(next).color == color)) {
        break;
      }
      end = next + 1;
    }
    if (!std::exchange(first, false)) {
      words += QStringLiteral(", ");
    }
    for (std::size_t at = cell; at < end; ++at) {
      words += cells.at(at).text;
    }
    words += u' ' + colorWord(color);
    cell = end;
  }
}

}  // namespace

QString previewWords(const PreviewCells& cells, bool cutOff) {
  const auto drawn = static_cast<std::size_t>(
      std::find_if(cells.cbegin(), cells.cend(),
                   [](const PreviewCell& cell) { return cell.text.isEmpty(); }) -
      cells.cbegin());
  const auto blanks = static_cast<std::size_t>(
      std::count_if(cells.cbegin(), cells.cbegin() + static_cast<std::ptrdiff_t>(drawn), isBlank));
  if (drawn == 0) {
    return QStringLiteral("Empty: nothing is drawn");
  }
  QString words;
  if (blanks == drawn) {
    words = drawn == 1 ? QStringLiteral("1 space, drawn blank")
                       : QStringLiteral("%1 spaces, drawn blank").arg(drawn);
  } else {
    for (std::size_t cell = 0; cell < drawn; ++cell) {
      words += cells.at(cell).text;
    }
    words += QStringLiteral(": ");
    appendRuns(words, cells, drawn);
  }
  if (cutOff) {
    words += QStringLiteral("; cut off after %1 characters").arg(kPreviewCellCount);
  }
  return words;
}

QString previewWords(const QString& name) {
  PreviewCells cells = initialPreviewCells();
  renderPreview(cells, name);
  return previewWords(cells, previewCutsOff(name));
}

bool previewCutsOff(const QString& name) {
  const QChar* text = name.constData();
  const qsizetype length = name.size();
  int drawn = 0;
  for (qsizetype index = 0; index < length;) {
    if (detail::isCodeAt(text, length, index)) {
      index += 2;
      continue;
    }
    if (++drawn > kPreviewCellCount) {
      return true;
    }
    const bool pair =
        text[index].isHighSurrogate() && index + 1 < length && text[index + 1].isLowSurrogate();
    index += pair ? 2 : 1;
  }
  return false;
}

}  // namespace core
