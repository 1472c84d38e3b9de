// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Properties that hold for every name, checked on many random names drawn from
// an alphabet rich in carets, digits and spaces, where the rules bite.
#include <gtest/gtest.h>

#include "core/colorcodes.h"
#include "printers.h"
#include "randomnames.h"

namespace {

constexpr int kNamesPerProperty = 3000;

bool holdsAColorCode(const QString& name) {
  for (int position = 1; position <= name.size(); ++position) {
    if (core::isColorCodeAt(name, position)) {
      return true;
    }
  }
  return false;
}

QString withoutSpaces(QString name) {
  return name.remove(u' ');
}

TEST(Properties, EightCyclesGiveBackANameWithoutSpacesOrCaretNine) {
  RandomNames names(1);
  for (int round = 0; round < kNamesPerProperty; ++round) {
    QString name = withoutSpaces(names.next());
    while (name.contains(QStringLiteral("^9"))) {
      name.replace(QStringLiteral("^9"), QStringLiteral("9"));
    }
    QString text = name;
    for (int press = 0; press < 8; ++press) {
      const core::CycleResult result = core::cycleColorCodes(text);
      ASSERT_EQ(result.unrecognisedCodes, 0) << name.toStdString();
      text = result.text;
    }
    ASSERT_EQ(text, name);
  }
}

TEST(Properties, StripLeavesNoCodeWhenNoCaretPrecedesACaretOrSpace) {
  RandomNames names(2);
  for (int round = 0; round < kNamesPerProperty; ++round) {
    QString name = names.next();
    name.replace(QStringLiteral("^^"), QStringLiteral("^a^"));
    name.replace(QStringLiteral("^ "), QStringLiteral("^b "));
    name.replace(QStringLiteral("^^"), QStringLiteral("^a^"));
    const QString stripped = core::stripColorCodes(name);
    ASSERT_FALSE(holdsAColorCode(stripped))
        << name.toStdString() << " -> " << stripped.toStdString();
  }
}

TEST(Properties, StripCanLeaveACodeWhenACaretPrecedesACaretOrSpace) {
  // The condition of the property above is needed, not just convenient.
  EXPECT_TRUE(holdsAColorCode(core::stripColorCodes(QStringLiteral("^^11"))));
  EXPECT_TRUE(holdsAColorCode(core::stripColorCodes(QStringLiteral("^ 1"))));
}

TEST(Properties, ReplacingAColourByItselfOnlyDropsSpaces) {
  RandomNames names(3);
  for (int round = 0; round < kNamesPerProperty; ++round) {
    const QString name = names.next();
    const int code = round % 10;
    ASSERT_EQ(core::replaceColorCode(name, code, code), withoutSpaces(name)) << name.toStdString();
  }
}

TEST(Properties, CycleAndReplaceChangeOnlyCodeDigits) {
  // Without spaces to drop and "^9" to leave out, no two characters meet that
  // were apart, so the plain text under the codes stays the same.
  RandomNames names(4);
  for (int round = 0; round < kNamesPerProperty; ++round) {
    QString name = withoutSpaces(names.next());
    name.replace(QStringLiteral("^9"), QStringLiteral("^8"));
    const QString stripped = core::stripColorCodes(name);
    ASSERT_EQ(core::stripColorCodes(core::cycleColorCodes(name).text), stripped)
        << name.toStdString();
    ASSERT_EQ(core::stripColorCodes(core::replaceColorCode(name, round % 8 + 1, round % 9 + 1)),
              stripped)
        << name.toStdString();
  }
}

// The render as the game does it, step by step: a 1-based scan bounded by the
// count of code characters plus 18, each code repainting to the end of the
// row. Names here are single code units per character.
core::PreviewCells renderedByTheRules(core::PreviewCells cells, const QString& name) {
  for (core::PreviewCell& cell : cells) {
    cell.text.clear();
    cell.color = core::Rgb{255, 255, 255};
  }
  int codeCharacters = 0;
  int nextCell = 0;
  const int length = static_cast<int>(name.size());
  for (int position = 1; position <= length; ++position) {
    if (position > codeCharacters + 18) {
      break;
    }
    if (core::isColorCodeAt(name, position)) {
      const int digit = name.at(position).digitValue();
      for (int cell = nextCell; cell < 18; ++cell) {
        cells.at(cell).color = core::colorIndexToRgb(core::codeToColorIndex(digit));
      }
      codeCharacters += 2;
      ++position;
      continue;
    }
    const QChar character = name.at(position - 1);
    const bool small = character.unicode() >= 97 && character.unicode() <= 122;
    cells.at(nextCell).pointSize = small ? 18 : 22;
    cells.at(nextCell).top = small ? 203 : 120;
    cells.at(nextCell).text = QString(character.toUpper());
    ++nextCell;
  }
  return cells;
}

TEST(Properties, RenderMatchesTheGamesStepByStepRules) {
  RandomNames names(5);
  core::PreviewCells cells = core::initialPreviewCells();
  for (int round = 0; round < kNamesPerProperty; ++round) {
    // Each render starts from whatever the previous one left.
    QString name = names.next() + names.next();
    name.remove(QString::fromUtf8("\U0001F600"));
    name.remove(QChar(0xD800));
    name.remove(QChar(0xDC00));
    const core::PreviewCells expected = renderedByTheRules(cells, name);
    core::renderPreview(cells, name);
    ASSERT_EQ(cells, expected) << name.toStdString();
  }
}

TEST(Properties, RenderOfAnyTextDrawsAtMostOneCharacterPerCell) {
  RandomNames names(6);
  core::PreviewCells cells = core::initialPreviewCells();
  for (int round = 0; round < kNamesPerProperty; ++round) {
    const QString name = names.next() + names.next();
    core::renderPreview(cells, name);
    int drawn = 0;
    for (const core::PreviewCell& cell : cells) {
      const auto codePoints = cell.text.toUcs4();
      ASSERT_LE(codePoints.size(), 1) << name.toStdString();
      // Drawn cells come first, with no gap.
      if (!cell.text.isEmpty()) {
        ASSERT_EQ(&cell - cells.data(), drawn++);
      }
    }
    ASSERT_LE(drawn, 18);
  }
}

// A name of a million characters rewrites and renders; the rewrites and the
// render read it once, so this finishes quickly whatever its shape.

QString repeated(const QString& piece, qsizetype characters) {
  return piece.repeated(characters / piece.size());
}

constexpr qsizetype kMillion = 1000000;

TEST(MillionCharacters, AllCodes) {
  const QString name = repeated(QStringLiteral("^8"), kMillion);
  const core::CycleResult cycled = core::cycleColorCodes(name);
  EXPECT_EQ(cycled.text, repeated(QStringLiteral("^1"), kMillion));
  EXPECT_TRUE(core::stripColorCodes(name).isEmpty());
  EXPECT_EQ(core::replaceColorCode(name, 8, 3), repeated(QStringLiteral("^3"), kMillion));
  core::PreviewCells cells = core::initialPreviewCells();
  core::renderPreview(cells, name);
  for (const core::PreviewCell& cell : cells) {
    EXPECT_TRUE(cell.text.isEmpty());
    EXPECT_EQ(cell.color, (core::Rgb{0, 0, 0}));
  }
}

TEST(MillionCharacters, NineCodesAndSpaces) {
  const QString name = repeated(QStringLiteral("^9 a"), kMillion);
  const core::CycleResult cycled = core::cycleColorCodes(name);
  EXPECT_EQ(cycled.unrecognisedCodes, kMillion / 4);
  EXPECT_EQ(cycled.text, repeated(QStringLiteral("a"), kMillion / 4));
}

TEST(MillionCharacters, NoCodes) {
  const QString name = repeated(QStringLiteral("^0a^^"), kMillion);
  EXPECT_EQ(core::stripColorCodes(name), name);
  EXPECT_EQ(core::cycleColorCodes(name).text, name);
  core::PreviewCells cells = core::initialPreviewCells();
  core::renderPreview(cells, name);
  EXPECT_EQ(cells[17].text, QStringLiteral("A"));
}

}  // namespace
