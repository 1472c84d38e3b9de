#include <array>
#include <cstdlib>
#include <optional>

#include "core/colorcodes.h"
#include "fuzzinput.h"

namespace {

// The characters the name draws, spaces left out, a surrogate pair as one.
QStringList drawnLetters(const QString& name) {
  QStringList letters;
  for (int position = 1; position <= name.size();) {
    if (core::isColorCodeAt(name, position)) {
      position += 2;
      continue;
    }
    const bool pair = name.at(position - 1).isHighSurrogate() && position < name.size() &&
                      name.at(position).isLowSurrogate();
    if (name.at(position - 1) != u' ') {
      letters << name.mid(position - 1, pair ? 2 : 1);
    }
    position += pair ? 2 : 1;
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
  const QString name = (data[0] & 0x80) != 0 ? nameFromBytes(data + 5, size - 5)
                                             : nameFromPieces(data + 5, size - 5);

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
