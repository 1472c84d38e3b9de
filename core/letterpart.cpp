// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/letterpart.h"

#include <QtGlobal>
#include <algorithm>

#include "core/codescan.h"
#include "core/colorcodes.h"

namespace core::detail {
namespace {

constexpr int kWhiteCode = 7;

// The palette index a code draws in; 0 stands for no code yet: white.
int colorOfCode(int code) {
  return code == 0 ? kDefaultColorIndex : codeToColorIndex(code);
}

int digitAt(const QChar* text, qsizetype index) {
  return text[index + 1].unicode() - u'0';
}

// One drawn character: a surrogate pair, or any other single code unit.
qsizetype unitsAt(const QChar* text, qsizetype end, qsizetype index) {
  return text[index].isHighSurrogate() && index + 1 < end && text[index + 1].isLowSurrogate() ? 2
                                                                                              : 1;
}

// Two drawn characters that would read as something else once side by side.
bool wouldJoin(QChar before, QChar next) {
  const char16_t digit = next.unicode();
  return (before == u'^' && digit >= u'1' && digit <= u'9') ||
         (before.isHighSurrogate() && next.isLowSurrogate());
}

// The selection cut to the name and widened to whole codes, whole surrogate
// pairs and the codes right next to it.
void widen(const QChar* text, qsizetype size, qsizetype start, qsizetype length, LetterPart& part) {
  const qsizetype begin = std::clamp<qsizetype>(start, 0, size);
  const qsizetype end = length > size - begin ? size : begin + length;
  if (length <= 0 || begin == end) {
    part.begin = 0;
    part.end = size;
    return;
  }
  part.begin = begin;
  part.end = end;
  if (isCodeAt(text, size, begin - 1) ||
      (begin > 0 && text[begin].isLowSurrogate() && text[begin - 1].isHighSurrogate())) {
    --part.begin;
  }
  if (end < size && (isCodeAt(text, size, end - 1) ||
                     (text[end - 1].isHighSurrogate() && text[end].isLowSurrogate()))) {
    ++part.end;
  }
  while (isCodeAt(text, size, part.begin - 2)) {
    part.begin -= 2;
  }
  while (isCodeAt(text, size, part.end)) {
    part.end += 2;
  }
}

}  // namespace

LetterPart findLetterPart(const QString& name, qsizetype start, qsizetype length) {
  const QChar* text = name.constData();
  const qsizetype size = name.size();
  LetterPart part;
  widen(text, size, start, length, part);
  for (qsizetype index = 0; index < part.begin;) {
    if (isCodeAt(text, part.begin, index)) {
      part.codeBefore = digitAt(text, index);
      index += 2;
      continue;
    }
    if (text[index] != u' ') {
      part.colorBefore = colorOfCode(part.codeBefore);
    }
    index += unitsAt(text, part.begin, index);
  }
  part.codeAtEnd = part.codeBefore;
  for (qsizetype index = part.begin; index < part.end;) {
    if (isCodeAt(text, part.end, index)) {
      part.codeAtEnd = digitAt(text, index);
      index += 2;
      continue;
    }
    if (text[index] != u' ') {
      ++part.letterCount;
    }
    index += unitsAt(text, part.end, index);
  }
  int code = part.codeAtEnd;
  for (qsizetype index = part.end; index < size;) {
    if (isCodeAt(text, size, index)) {
      code = digitAt(text, index);
      index += 2;
    } else if (text[index] == u' ') {
      ++index;
    } else {
      part.colorAfter = colorOfCode(code);
      break;
    }
  }
  return part;
}

ColoredLetters colorLetterPart(const QString& name, const LetterPart& part,
                               const std::vector<int>& codes) {
  Q_ASSERT(static_cast<qsizetype>(codes.size()) == part.letterCount);
  const QChar* text = name.constData();
  const qsizetype size = name.size();
  // At most one code per letter and one for the rest.
  QString result(size + 2 * part.letterCount + 2, Qt::Uninitialized);
  QChar* const begin = result.data();
  QChar* out = std::copy(text, text + part.begin, begin);
  int inEffect = colorOfCode(part.codeBefore);
  QChar last = part.begin > 0 ? text[part.begin - 1] : QChar();
  auto code = codes.begin();
  for (qsizetype index = part.begin; index < part.end;) {
    if (isCodeAt(text, part.end, index)) {
      index += 2;
      continue;
    }
    if (text[index] == u' ') {
      ++index;
      continue;
    }
    const qsizetype units = unitsAt(text, part.end, index);
    const int wanted = *code++;
    if (colorOfCode(wanted) != inEffect || wouldJoin(last, text[index])) {
      out = appendCode(out, wanted);
      inEffect = colorOfCode(wanted);
      last = QChar();
    }
    out = std::copy(text + index, text + index + units, out);
    last = text[index + units - 1];
    index += units;
  }
  const qsizetype partEnd = out - begin;
  if (part.end < size) {
    if (colorOfCode(part.codeAtEnd) != inEffect || wouldJoin(last, text[part.end])) {
      out = appendCode(out, part.codeAtEnd == 0 ? kWhiteCode : part.codeAtEnd);
    }
    out = std::copy(text + part.end, text + size, out);
  }
  result.truncate(out - begin);
  return {std::move(result), part.begin, partEnd - part.begin};
}

}  // namespace core::detail
