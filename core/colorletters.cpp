// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colorletters.h"

#include <array>
#include <vector>

#include "core/colorcodes.h"
#include "core/letterpart.h"

namespace core {
namespace {

// Red, Yellow, Green, Aqua, Blue, Pink: the rainbow and the fade's wheel.
constexpr std::array<int, 6> kWheel = {1, 3, 2, 5, 4, 6};
constexpr int kWheelSize = static_cast<int>(kWheel.size());

bool isNamedCode(int code) {
  return code >= 1 && code <= 8;
}

int wheelPosition(int code) {
  for (int position = 0; position < kWheelSize; ++position) {
    if (kWheel.at(static_cast<std::size_t>(position)) == code) {
      return position;
    }
  }
  return -1;
}

// The colours from one code to the other, both included.
std::vector<int> fadeWay(int fromCode, int toCode) {
  if (fromCode == toCode) {
    return {fromCode};
  }
  const int from = wheelPosition(fromCode);
  const int to = wheelPosition(toCode);
  if (from < 0 || to < 0) {
    return {fromCode, toCode};
  }
  const int forward = (to - from + kWheelSize) % kWheelSize;
  const bool goForward = forward <= kWheelSize - forward;
  const int steps = goForward ? forward : kWheelSize - forward;
  std::vector<int> way;
  for (int step = 0; step <= steps; ++step) {
    const int position = (from + (goForward ? step : -step) + kWheelSize) % kWheelSize;
    way.push_back(kWheel.at(static_cast<std::size_t>(position)));
  }
  return way;
}

template <typename CodeOfLetter>
ColoredLetters colorEach(const QString& name, qsizetype start, qsizetype length,
                         CodeOfLetter codeOfLetter) {
  const detail::LetterPart part = detail::findLetterPart(name, start, length);
  std::vector<int> codes;
  codes.reserve(static_cast<std::size_t>(part.letterCount));
  for (qsizetype letter = 0; letter < part.letterCount; ++letter) {
    codes.push_back(codeOfLetter(part, letter));
  }
  return detail::colorLetterPart(name, part, codes);
}

}  // namespace

ColoredLetters rainbowLetters(const QString& name, qsizetype start, qsizetype length) {
  return colorEach(name, start, length, [](const detail::LetterPart&, qsizetype letter) {
    return kWheel.at(static_cast<std::size_t>(letter % kWheelSize));
  });
}

std::optional<ColoredLetters> alternateLetters(const QString& name, qsizetype start,
                                               qsizetype length, int fromCode, int toCode) {
  if (!isNamedCode(fromCode) || !isNamedCode(toCode)) {
    return std::nullopt;
  }
  return colorEach(name, start, length, [=](const detail::LetterPart&, qsizetype letter) {
    return letter % 2 == 0 ? fromCode : toCode;
  });
}

std::optional<ColoredLetters> fadeLetters(const QString& name, qsizetype start, qsizetype length,
                                          int fromCode, int toCode) {
  if (!isNamedCode(fromCode) || !isNamedCode(toCode)) {
    return std::nullopt;
  }
  const std::vector<int> way = fadeWay(fromCode, toCode);
  const auto colors = static_cast<qsizetype>(way.size());
  return colorEach(name, start, length, [&](const detail::LetterPart& part, qsizetype letter) {
    const qsizetype letters = part.letterCount;
    qsizetype step = 0;
    if (letters >= colors) {
      step = letter * colors / letters;
    } else if (letters > 1) {
      // Rounded to the nearest colour of the way, so the gaps are even.
      step = (2 * letter * (colors - 1) + letters - 1) / (2 * (letters - 1));
    }
    return way.at(static_cast<std::size_t>(step));
  });
}

ColoredLetters randomLetters(const QString& name, qsizetype start, qsizetype length,
                             QRandomGenerator& random) {
  int previous = -1;
  return colorEach(name, start, length, [&](const detail::LetterPart& part, qsizetype letter) {
    if (letter == 0) {
      previous = part.colorBefore;
    }
    const int next = letter + 1 == part.letterCount ? part.colorAfter : -1;
    std::array<int, kWheelSize> allowed{};
    int count = 0;
    for (const int code : kWheel) {
      const int color = codeToColorIndex(code);
      if (color != previous && color != next) {
        allowed.at(static_cast<std::size_t>(count++)) = code;
      }
    }
    const int code = allowed.at(static_cast<std::size_t>(random.bounded(count)));
    previous = codeToColorIndex(code);
    return code;
  });
}

}  // namespace core
