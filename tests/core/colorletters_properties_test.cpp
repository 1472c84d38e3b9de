// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Color Letters on random names and random selections, checked against how
// the colour-code language reads the result: which characters are drawn, and
// in which colour.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/colorcodes.h"
#include "printers.h"
#include "randomnames.h"

namespace {

constexpr int kRounds = 3000;
constexpr std::array<int, 6> kWheel = {1, 3, 2, 5, 4, 6};

struct Drawn {
  QString character;
  int color = 0;  // palette index

  friend bool operator==(const Drawn&, const Drawn&) = default;
};

// The name read left to right as the colour-code language says, a surrogate
// pair drawn as one character as the preview draws it.
std::vector<Drawn> drawnCharacters(const QString& name) {
  std::vector<Drawn> drawn;
  int color = core::kDefaultColorIndex;
  for (int position = 1; position <= name.size();) {
    if (core::isColorCodeAt(name, position)) {
      color = core::codeToColorIndex(name.at(position).digitValue());
      position += 2;
      continue;
    }
    const QChar unit = name.at(position - 1);
    const bool pair =
        unit.isHighSurrogate() && position < name.size() && name.at(position).isLowSurrogate();
    drawn.push_back({name.mid(position - 1, pair ? 2 : 1), color});
    position += pair ? 2 : 1;
  }
  return drawn;
}

std::vector<Drawn> slice(const std::vector<Drawn>& drawn, std::size_t from, std::size_t to) {
  return {drawn.begin() + static_cast<std::ptrdiff_t>(from),
          drawn.begin() + static_cast<std::ptrdiff_t>(to)};
}

std::string show(const QString& name, qsizetype start, qsizetype length,
                 const core::ColoredLetters& result) {
  return name.toStdString() + " [" + std::to_string(start) + ", +" + std::to_string(length) +
         "] -> " + result.text.toStdString() + " [" + std::to_string(result.start) + ", +" +
         std::to_string(result.length) + "]";
}

struct Selection {
  qsizetype start = 0;
  qsizetype length = 0;
};

class RandomSelections {
 public:
  explicit RandomSelections(unsigned seed) : engine_(seed) {}

  // Often no selection, sometimes one reaching past the name.
  Selection next(const QString& name) {
    if (std::uniform_int_distribution<int>(0, 3)(engine_) == 0) {
      return {-1, 0};
    }
    const auto size = name.size();
    const qsizetype start = std::uniform_int_distribution<qsizetype>(0, size)(engine_);
    return {start, std::uniform_int_distribution<qsizetype>(0, size - start + 1)(engine_)};
  }

 private:
  std::mt19937 engine_;
};

// What every pattern must do, whatever its colours. Gives the colours of the
// part's letters for the pattern's own checks.
std::vector<int> checkRecolouring(const QString& name, Selection selection,
                                  const core::ColoredLetters& result) {
  const std::string context = show(name, selection.start, selection.length, result);
  const QString& text = result.text;
  const qsizetype end = result.start + result.length;
  EXPECT_TRUE(result.start >= 0 && end <= text.size()) << context;

  // The text before the part is the name's, the part covers the selection.
  const QString before = text.left(result.start);
  EXPECT_EQ(name.left(before.size()), before) << context;
  const qsizetype selectionEnd = std::min(selection.start + selection.length, name.size());
  if (selection.length > 0 && selection.start < name.size()) {
    EXPECT_LE(result.start, selection.start) << context;
    QString after = text.mid(end);
    if (after.size() >= 2 && core::isColorCodeAt(after, 1)) {
      after.remove(0, 2);  // the code that restores the rest's colour
    }
    EXPECT_EQ(name.right(after.size()), after) << context;
    EXPECT_LE(after.size(), name.size() - selectionEnd) << context;
  }

  // Drawn before and after the part exactly as in the name; in the part the
  // name's characters without their spaces.
  const std::vector<Drawn> original = drawnCharacters(name);
  const std::vector<Drawn> drawn = drawnCharacters(text);
  const std::size_t beforeCount = drawnCharacters(before).size();
  const std::size_t partCount = drawnCharacters(text.mid(result.start, result.length)).size();
  EXPECT_LE(beforeCount + partCount, drawn.size()) << context;
  EXPECT_LE(beforeCount, original.size()) << context;
  if (beforeCount + partCount > drawn.size() || beforeCount > original.size()) {
    return {};
  }
  const std::size_t afterCount = drawn.size() - beforeCount - partCount;
  EXPECT_LE(afterCount, original.size() - beforeCount) << context;
  if (afterCount > original.size() - beforeCount) {
    return {};
  }
  EXPECT_EQ(slice(drawn, 0, beforeCount), slice(original, 0, beforeCount)) << context;
  EXPECT_EQ(slice(drawn, drawn.size() - afterCount, drawn.size()),
            slice(original, original.size() - afterCount, original.size()))
      << context;
  QStringList expectedLetters;
  for (const Drawn& character : slice(original, beforeCount, original.size() - afterCount)) {
    if (character.character != QStringLiteral(" ")) {
      expectedLetters << character.character;
    }
  }
  QStringList letters;
  std::vector<int> colors;
  for (const Drawn& character : slice(drawn, beforeCount, beforeCount + partCount)) {
    letters << character.character;
    colors.push_back(character.color);
  }
  EXPECT_EQ(letters, expectedLetters) << context;

  // No needless code in the part or right after it: each sets a new colour,
  // or keeps apart two characters that would otherwise read as one.
  int inEffect = core::kDefaultColorIndex;
  for (int position = 1; position <= text.size(); ++position) {
    if (!core::isColorCodeAt(text, position)) {
      continue;
    }
    const int color = core::codeToColorIndex(text.at(position).digitValue());
    const qsizetype index = position - 1;
    if (index >= result.start && index <= end) {
      const QChar previous = index > 0 ? text.at(index - 1) : QChar();
      const QChar next = index + 2 < text.size() ? text.at(index + 2) : QChar();
      const bool keepsApart = (previous == u'^' && next >= u'1' && next <= u'9') ||
                              (previous.isHighSurrogate() && next.isLowSurrogate());
      EXPECT_TRUE(color != inEffect || keepsApart) << context << " at " << index;
      EXPECT_TRUE(index + 2 < text.size() && !core::isColorCodeAt(text, position + 2))
          << context << " code colours nothing at " << index;
    }
    inEffect = color;
    ++position;
  }
  return colors;
}

// The preview draws the result as the reading above does, for the cells it has.
void checkAgainstThePreview(const core::ColoredLetters& result) {
  core::PreviewCells cells = core::initialPreviewCells();
  core::renderPreview(cells, result.text);
  const std::vector<Drawn> drawn = drawnCharacters(result.text);
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    ASSERT_EQ(cells.at(cell).text.isEmpty(), cell >= drawn.size()) << result.text.toStdString();
    if (cell < drawn.size()) {
      ASSERT_EQ(cells.at(cell).color, core::colorIndexToRgb(drawn.at(cell).color))
          << result.text.toStdString();
    }
  }
}

int colorOf(int code) {
  return core::codeToColorIndex(code);
}

TEST(ColorLettersProperties, RainbowTakesTheWheelInTurn) {
  RandomNames names(11);
  RandomSelections selections(12);
  for (int round = 0; round < kRounds; ++round) {
    const QString name = names.next();
    const Selection selection = selections.next(name);
    const core::ColoredLetters result =
        core::rainbowLetters(name, selection.start, selection.length);
    const std::vector<int> colors = checkRecolouring(name, selection, result);
    for (std::size_t letter = 0; letter < colors.size(); ++letter) {
      ASSERT_EQ(colors.at(letter), colorOf(kWheel.at(letter % 6)))
          << show(name, selection.start, selection.length, result);
    }
    checkAgainstThePreview(result);
    // Once more on the part it gives back changes nothing (an empty part
    // would stand for the whole name).
    if (result.length > 0) {
      ASSERT_EQ(core::rainbowLetters(result.text, result.start, result.length), result)
          << show(name, selection.start, selection.length, result);
    }
  }
}

TEST(ColorLettersProperties, AlternateTakesFromAndToInTurn) {
  RandomNames names(21);
  RandomSelections selections(22);
  for (int round = 0; round < kRounds; ++round) {
    const QString name = names.next();
    const Selection selection = selections.next(name);
    const int from = round % 8 + 1;
    const int to = round / 8 % 8 + 1;
    const auto result = core::alternateLetters(name, selection.start, selection.length, from, to);
    ASSERT_TRUE(result.has_value());
    const std::vector<int> colors = checkRecolouring(name, selection, *result);
    for (std::size_t letter = 0; letter < colors.size(); ++letter) {
      ASSERT_EQ(colors.at(letter), colorOf(letter % 2 == 0 ? from : to))
          << show(name, selection.start, selection.length, *result);
    }
    checkAgainstThePreview(*result);
    if (result->length > 0) {
      ASSERT_EQ(core::alternateLetters(result->text, result->start, result->length, from, to),
                result);
    }
  }
}

int wheelPosition(int code) {
  return static_cast<int>(std::find(kWheel.begin(), kWheel.end(), code) - kWheel.begin());
}

// Fade's runs: from first, to last; on the wheel each run one step on from
// the one before, the shorter way round, all steps the same way; the runs even
// in length, or single letters evenly spread over the way when there are
// fewer letters than colours on it.
void checkFade(int from, int to, const std::vector<int>& colors, const std::string& context) {
  if (colors.empty()) {
    return;
  }
  EXPECT_EQ(colors.front(), colorOf(from)) << context;
  if (colors.size() > 1) {
    EXPECT_EQ(colors.back(), colorOf(to)) << context;
  }
  std::vector<int> runColors;
  std::vector<int> runLengths;
  for (const int color : colors) {
    if (runColors.empty() || runColors.back() != color) {
      runColors.push_back(color);
      runLengths.push_back(0);
    }
    ++runLengths.back();
  }
  const bool onWheel = wheelPosition(from) < 6 && wheelPosition(to) < 6;
  const int forward = (wheelPosition(to) - wheelPosition(from) + 6) % 6;
  const int distance = from == to ? 0 : onWheel ? std::min(forward, 6 - forward) : 1;
  const int direction = forward <= 3 ? 1 : 5;
  const auto letters = static_cast<int>(colors.size());
  const int wayLength = distance + 1;
  std::vector<int> steps;  // how far along the way each run is
  for (const int color : runColors) {
    int step = 0;
    if (onWheel) {
      int position = wheelPosition(from);
      while (step <= distance && colorOf(kWheel.at(static_cast<std::size_t>(position))) != color) {
        position = (position + direction) % 6;
        ++step;
      }
    } else {
      step = color == colorOf(from) ? 0 : 1;
    }
    steps.push_back(step);
  }
  for (std::size_t run = 1; run < steps.size(); ++run) {
    EXPECT_GT(steps.at(run), steps.at(run - 1)) << context;
  }
  EXPECT_LE(steps.back(), distance) << context;
  if (letters >= wayLength) {
    EXPECT_EQ(static_cast<int>(runColors.size()), wayLength) << context;
    const auto [shortest, longest] = std::minmax_element(runLengths.begin(), runLengths.end());
    EXPECT_LE(*longest - *shortest, 1) << context;
  } else {
    EXPECT_EQ(static_cast<int>(runColors.size()), letters) << context;
    if (letters > 2) {
      std::vector<int> gaps;
      for (std::size_t run = 1; run < steps.size(); ++run) {
        gaps.push_back(steps.at(run) - steps.at(run - 1));
      }
      const auto [smallest, largest] = std::minmax_element(gaps.begin(), gaps.end());
      EXPECT_LE(*largest - *smallest, 1) << context;
    }
  }
}

TEST(ColorLettersProperties, FadeRunsFromOneColourToTheOther) {
  RandomNames names(31);
  RandomSelections selections(32);
  for (int round = 0; round < kRounds; ++round) {
    const QString name = names.next();
    const Selection selection = selections.next(name);
    const int from = round % 8 + 1;
    const int to = round / 8 % 8 + 1;
    const auto result = core::fadeLetters(name, selection.start, selection.length, from, to);
    ASSERT_TRUE(result.has_value());
    const std::string context = show(name, selection.start, selection.length, *result) + " from " +
                                std::to_string(from) + " to " + std::to_string(to);
    checkFade(from, to, checkRecolouring(name, selection, *result), context);
    checkAgainstThePreview(*result);
    if (result->length > 0) {
      ASSERT_EQ(core::fadeLetters(result->text, result->start, result->length, from, to), result)
          << context;
    }
  }
}

TEST(ColorLettersProperties, FadeOfManyLettersHasEvenRuns) {
  // Long names reach every way length with many letters per colour.
  for (int letters = 1; letters <= 40; ++letters) {
    const QString name(letters, u'x');
    for (int from = 1; from <= 8; ++from) {
      for (int to = 1; to <= 8; ++to) {
        const auto result = core::fadeLetters(name, 0, 0, from, to);
        ASSERT_TRUE(result.has_value());
        const std::string context = result->text.toStdString() + " from " + std::to_string(from) +
                                    " to " + std::to_string(to);
        checkFade(from, to, checkRecolouring(name, {0, 0}, *result), context);
      }
    }
  }
}

TEST(ColorLettersProperties, RandomNeverRepeatsAColour) {
  RandomNames names(41);
  RandomSelections selections(42);
  QRandomGenerator random(43);
  for (int round = 0; round < kRounds; ++round) {
    const QString name = names.next();
    const Selection selection = selections.next(name);
    const core::ColoredLetters result =
        core::randomLetters(name, selection.start, selection.length, random);
    const std::string context = show(name, selection.start, selection.length, result);
    const std::vector<int> colors = checkRecolouring(name, selection, result);
    for (std::size_t letter = 0; letter < colors.size(); ++letter) {
      ASSERT_TRUE(std::any_of(kWheel.begin(), kWheel.end(), [&](int code) {
        return colorOf(code) == colors.at(letter);
      })) << context;
      if (letter > 0) {
        ASSERT_NE(colors.at(letter), colors.at(letter - 1)) << context;
      }
    }
    // The nearest letters outside the part, spaces not counted, differ too.
    if (!colors.empty()) {
      std::vector<Drawn> letters = drawnCharacters(result.text);
      std::size_t lettersBefore = drawnCharacters(result.text.left(result.start)).size();
      for (const Drawn& drawn : slice(letters, 0, lettersBefore)) {
        lettersBefore -= drawn.character == u' ' ? 1 : 0;
      }
      std::erase_if(letters, [](const Drawn& drawn) { return drawn.character == u' '; });
      if (lettersBefore > 0) {
        ASSERT_NE(letters.at(lettersBefore - 1).color, colors.front()) << context;
      }
      if (lettersBefore + colors.size() < letters.size()) {
        ASSERT_NE(letters.at(lettersBefore + colors.size()).color, colors.back()) << context;
      }
    }
    checkAgainstThePreview(result);
  }
}

TEST(ColorLettersProperties, RandomPartDiffersFromItsNeighbours) {
  // One selected letter between every pair of neighbours' colours.
  QRandomGenerator random(51);
  for (int before = 1; before <= 8; ++before) {
    for (int after = 1; after <= 8; ++after) {
      const QString name = QStringLiteral("^%1a b^%2c").arg(before).arg(after);
      for (int round = 0; round < 20; ++round) {
        const core::ColoredLetters result = core::randomLetters(name, 4, 1, random);
        const std::vector<Drawn> drawn = drawnCharacters(result.text);
        ASSERT_EQ(drawn.size(), 4U) << result.text.toStdString();
        EXPECT_NE(drawn.at(2).color, colorOf(before)) << result.text.toStdString();
        EXPECT_NE(drawn.at(2).color, colorOf(after)) << result.text.toStdString();
      }
    }
  }
}

}  // namespace

// A name of a million characters is read a bounded number of times, so every
// pattern finishes quickly whatever the selection.
TEST(ColorLettersMillionCharacters, RainbowOfTheWholeName) {
  const QString name = QStringLiteral("^1a b^^9").repeated(125000);
  const core::ColoredLetters result = core::rainbowLetters(name, 0, 0);
  // Each piece draws "a", "b" and a caret: three letters, three codes.
  EXPECT_EQ(result.text.size(), 125000 * 9);
  EXPECT_EQ(result.length, result.text.size());
}

TEST(ColorLettersMillionCharacters, FadeAndRandomOfAPartInTheMiddle) {
  const QString name = QString(1000000, u'x');
  const auto faded = core::fadeLetters(name, 1000, 998000, 1, 6);
  ASSERT_TRUE(faded.has_value());
  EXPECT_EQ(faded->text.size(), 1000000 + 3 * 2);  // Red, Pink, and white again
  QRandomGenerator random(1);
  const core::ColoredLetters result = core::randomLetters(name, 1000, 998000, random);
  EXPECT_EQ(result.text.size(), 1000000 + 2 * 998000 + 2);
}
