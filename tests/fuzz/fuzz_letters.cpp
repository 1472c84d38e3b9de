// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

#include "core/colorcodes.h"
#include "fuzzinput.h"

namespace {

// The characters the name draws, spaces left out: a surrogate pair as its
// code point, any other unit as itself.
std::vector<char32_t> drawnLetters(const QString& name) {
  std::vector<char32_t> letters;
  const QChar* text = name.constData();
  const qsizetype size = name.size();
  for (qsizetype index = 0; index < size;) {
    if (core::isColorCodeAt(name, static_cast<int>(index) + 1)) {
      index += 2;
      continue;
    }
    if (text[index].isHighSurrogate() && index + 1 < size && text[index + 1].isLowSurrogate()) {
      letters.push_back(QChar::surrogateToUcs4(text[index], text[index + 1]));
      index += 2;
      continue;
    }
    if (text[index] != u' ') {
      letters.push_back(text[index].unicode());
    }
    ++index;
  }
  return letters;
}

// Each byte one piece of a small alphabet where the rules bite (carets,
// digits, spaces, surrogate halves), so short inputs reach the edges.
QString nameFromPieces(const std::uint8_t* data, std::size_t size) {
  static const std::array<QString, 6> pieces = {QStringLiteral("^"),    QStringLiteral(" "),
                                                QStringLiteral("a"),    QString(QChar(0xD83D)),
                                                QString(QChar(0xDE00)), QStringLiteral("0")};
  QString name;
  for (std::size_t index = 0; index < size; ++index) {
    const int piece = data[index] % 16;
    name += piece < 6 ? pieces.at(static_cast<std::size_t>(piece))
                      : QString(QChar(u'1' + (piece - 6) % 9));
  }
  return name;
}

std::optional<core::ColoredLetters> colorLetters(int pattern, const QString& name, qsizetype start,
                                                 qsizetype length, int fromCode, int toCode) {
  switch (pattern) {
    case 0:
      return core::rainbowLetters(name, start, length);
    case 1:
      return core::alternateLetters(name, start, length, fromCode, toCode);
    default:
      return core::fadeLetters(name, start, length, fromCode, toCode);
  }
}

}  // namespace

// Header: pattern (its high bit: the name as UTF-16 code units, else as
// pieces), from-code, to-code, then start and length as one byte each, so
// selections land inside short names; the rest is the name.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) {
    return 0;
  }
  const int pattern = data[0] % 4;
  const int fromCode = data[1] % 10;
  const int toCode = data[2] % 10;
  const qsizetype start = static_cast<qsizetype>(data[3]) - 1;
  const qsizetype length = data[4];
  // Every pattern reads the name in one pass, so long names find nothing new
  // and only slow the short CTest run down.
  const std::size_t nameBytes = std::min<std::size_t>(size - 5, 512);
  const QString name = (data[0] & 0x80) != 0 ? nameFromBytes(data + 5, nameBytes)
                                             : nameFromPieces(data + 5, nameBytes);

  std::optional<core::ColoredLetters> result;
  if (pattern == 3) {
    QRandomGenerator random(fromCode * 10U + static_cast<unsigned>(toCode));
    result = core::randomLetters(name, start, length, random);
  } else {
    result = colorLetters(pattern, name, start, length, fromCode, toCode);
  }
  const bool namedCodes = fromCode >= 1 && fromCode <= 8 && toCode >= 1 && toCode <= 8;
  if (result.has_value() != (pattern == 0 || pattern == 3 || namedCodes)) {
    std::abort();
  }
  if (!result) {
    return 0;
  }
  const QString& text = result->text;
  if (result->start < 0 || result->length < 0 || result->start + result->length > text.size() ||
      text.left(result->start) != name.left(result->start)) {
    std::abort();
  }
  // The same letters, in the same order, only their colours new.
  if (drawnLetters(text) != drawnLetters(name)) {
    std::abort();
  }
  // Once more on the part given back changes nothing.
  if (pattern != 3 && result->length > 0 &&
      colorLetters(pattern, text, result->start, result->length, fromCode, toCode) != result) {
    std::abort();
  }
  return 0;
}
