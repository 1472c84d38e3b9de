// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/colorcodes.h"
#include "core/previewwords.h"
#include "printers.h"

namespace {

using core::PreviewCells;
using core::Rgb;

const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kYellow{255, 255, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kAqua{0, 255, 255};
const Rgb kPink{255, 0, 255};
const Rgb kBlack{0, 0, 0};

enum class Size { kLarge, kSmall };

struct Drawn {
  QString text;
  Rgb color;
  Size size;
};

PreviewCells rendered(const QString& name) {
  PreviewCells cells = core::initialPreviewCells();
  core::renderPreview(cells, name);
  return cells;
}

// Checks the drawn cells from cell 0 on, and that every later cell is empty.
void expectRow(const PreviewCells& cells, const std::vector<Drawn>& drawn) {
  ASSERT_LE(drawn.size(), cells.size());
  for (std::size_t index = 0; index < cells.size(); ++index) {
    SCOPED_TRACE(testing::Message() << "cell " << index);
    const core::PreviewCell& cell = cells.at(index);
    if (index >= drawn.size()) {
      EXPECT_TRUE(cell.text.isEmpty()) << cell.text.toStdString();
      continue;
    }
    const Drawn& expected = drawn.at(index);
    EXPECT_EQ(cell.text, expected.text);
    EXPECT_EQ(cell.color, expected.color);
    const bool small = expected.size == Size::kSmall;
    EXPECT_EQ(cell.pointSize, small ? 18 : 22);
    EXPECT_EQ(cell.top, small ? 203 : 120);
  }
}

int drawnCount(const PreviewCells& cells) {
  return static_cast<int>(std::count_if(cells.cbegin(), cells.cend(),
                                        [](const auto& cell) { return !cell.text.isEmpty(); }));
}

TEST(PreviewModel, StartsEmptyWhiteLargeAtTop120) {
  for (const core::PreviewCell& cell : core::initialPreviewCells()) {
    EXPECT_TRUE(cell.text.isEmpty());
    EXPECT_EQ(cell.color, kWhite);
    EXPECT_EQ(cell.pointSize, 22);
    EXPECT_EQ(cell.top, 120);
  }
}

TEST(PreviewModel, ResetEmptiesAndWhitensButKeepsSizeAndTop) {
  PreviewCells cells = rendered(QStringLiteral("^1abc"));
  core::resetPreview(cells);
  expectRow(cells, {});
  EXPECT_EQ(cells[0].color, kWhite);
  EXPECT_EQ(cells[17].color, kWhite);
  EXPECT_EQ(cells[0].pointSize, 18);
  EXPECT_EQ(cells[0].top, 203);
}

TEST(PreviewModel, PaintFromCellColoursOnlyThatCellToTheEnd) {
  PreviewCells cells = core::initialPreviewCells();
  core::paintFromCell(cells, 1, 16);
  for (int index = 0; index < 18; ++index) {
    EXPECT_EQ(cells.at(index).color, index >= 16 ? kRed : kWhite) << index;
  }
  core::paintFromCell(cells, 9, 17);
  EXPECT_EQ(cells[16].color, kRed);
  EXPECT_EQ(cells[17].color, kBlack);
}

TEST(PreviewModel, PaintFromCellPastTheRowPaintsNothing) {
  PreviewCells cells = core::initialPreviewCells();
  core::paintFromCell(cells, 1, 18);
  core::paintFromCell(cells, 1, 1000);
  EXPECT_EQ(cells, core::initialPreviewCells());
}

TEST(PreviewRender, EmptyNameLeavesEveryCellEmptyAndWhite) {
  PreviewCells cells = rendered(QStringLiteral("^1abcdef^2ghi"));
  core::renderPreview(cells, QString());
  expectRow(cells, {});
  for (const core::PreviewCell& cell : cells) {
    EXPECT_EQ(cell.color, kWhite);
  }
}

TEST(PreviewRender, SampleNameDrawsEachLetterInItsColour) {
  const PreviewCells cells = rendered(QStringLiteral("^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!"));
  expectRow(cells, {{"T", kRed, Size::kLarge},
                    {"A", kGreen, Size::kSmall},
                    {"R", kYellow, Size::kSmall},
                    {"N", kBlue, Size::kSmall},
                    {"W", kAqua, Size::kSmall},
                    {"I", kPink, Size::kSmall},
                    {"C", kWhite, Size::kSmall},
                    {"K", kBlack, Size::kSmall},
                    {"!", kRed, Size::kLarge},
                    {"!", kGreen, Size::kLarge},
                    {"!", kYellow, Size::kLarge},
                    {"!", kBlue, Size::kLarge}});
}

TEST(PreviewRender, NameWithoutCaretIsAllWhite) {
  expectRow(
      rendered(QStringLiteral("Ab1")),
      {{"A", kWhite, Size::kLarge}, {"B", kWhite, Size::kSmall}, {"1", kWhite, Size::kLarge}});
}

TEST(PreviewRender, CaretBeforeZeroDrawsThreeWhiteCells) {
  expectRow(
      rendered(QStringLiteral("^0a")),
      {{"^", kWhite, Size::kLarge}, {"0", kWhite, Size::kLarge}, {"A", kWhite, Size::kSmall}});
}

TEST(PreviewRender, CaretAtTheEndHasACellOfItsOwn) {
  expectRow(rendered(QStringLiteral("^1x^")),
            {{"X", kRed, Size::kSmall}, {"^", kRed, Size::kLarge}});
}

TEST(PreviewRender, CaretBeforeCodeIsOrdinaryAndTheCodeStillApplies) {
  expectRow(rendered(QStringLiteral("^^1x")),
            {{"^", kWhite, Size::kLarge}, {"X", kRed, Size::kSmall}});
}

TEST(PreviewRender, CodeNineDrawsBlackLikeCodeEight) {
  expectRow(rendered(QStringLiteral("^9x^8y")),
            {{"X", kBlack, Size::kSmall}, {"Y", kBlack, Size::kSmall}});
}

TEST(PreviewRender, SecondOfTwoCodesInARowWins) {
  expectRow(rendered(QStringLiteral("^6^7r")), {{"R", kWhite, Size::kSmall}});
}

TEST(PreviewRender, CodeAtTheEndPaintsOnlyEmptyCells) {
  const PreviewCells cells = rendered(QStringLiteral("ab^1"));
  expectRow(cells, {{"A", kWhite, Size::kSmall}, {"B", kWhite, Size::kSmall}});
  for (std::size_t index = 2; index < cells.size(); ++index) {
    EXPECT_EQ(cells.at(index).color, kRed) << index;
  }
}

TEST(PreviewRender, SpaceTakesACellDrawnEmptyAtTheLargeSize) {
  expectRow(
      rendered(QStringLiteral("a b")),
      {{"A", kWhite, Size::kSmall}, {" ", kWhite, Size::kLarge}, {"B", kWhite, Size::kSmall}});
}

TEST(PreviewRender, OnlyAToZAreSmall) {
  // The neighbours of 'a' and 'z' in the character table are large.
  expectRow(rendered(QStringLiteral("`az{AZ@[9.")), {{"`", kWhite, Size::kLarge},
                                                     {"A", kWhite, Size::kSmall},
                                                     {"Z", kWhite, Size::kSmall},
                                                     {"{", kWhite, Size::kLarge},
                                                     {"A", kWhite, Size::kLarge},
                                                     {"Z", kWhite, Size::kLarge},
                                                     {"@", kWhite, Size::kLarge},
                                                     {"[", kWhite, Size::kLarge},
                                                     {"9", kWhite, Size::kLarge},
                                                     {".", kWhite, Size::kLarge}});
}

TEST(PreviewRender, EighteenCharactersFillTheRowAndTheRestIsNotShown) {
  const PreviewCells cells = rendered(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUV"));
  EXPECT_EQ(drawnCount(cells), 18);
  EXPECT_EQ(cells[17].text, QStringLiteral("R"));
}

TEST(PreviewRender, CodeAfterTheEighteenthCharacterIsNotApplied) {
  const PreviewCells cells = rendered(QStringLiteral("ABCDEFGHIJKLMNOPQR^1"));
  for (const core::PreviewCell& cell : cells) {
    EXPECT_EQ(cell.color, kWhite);
  }
}

TEST(PreviewRender, CodeBeforeTheEighteenthCharacterColoursIt) {
  const PreviewCells cells = rendered(QStringLiteral("ABCDEFGHIJKLMNOPQ^1R^2S"));
  EXPECT_EQ(cells[16].color, kWhite);
  EXPECT_EQ(cells[17].text, QStringLiteral("R"));
  EXPECT_EQ(cells[17].color, kRed);
}

TEST(PreviewRender, CodesDoNotUseUpCells) {
  const PreviewCells cells =
      rendered(QStringLiteral("^1^2^3^4^5^6^7^8^1^2^3^4abcdefghijklmnopqrs"));
  EXPECT_EQ(drawnCount(cells), 18);
  EXPECT_EQ(cells[0].text, QStringLiteral("A"));
  EXPECT_EQ(cells[17].text, QStringLiteral("R"));
  EXPECT_EQ(cells[17].color, kBlue);
}

TEST(PreviewRender, ShorterNameAfterALongOneLeavesNoTrace) {
  PreviewCells cells = rendered(QStringLiteral("^1abcdefghijklmnopqrstu"));
  core::renderPreview(cells, QStringLiteral("xy"));
  expectRow(cells, {{"X", kWhite, Size::kSmall}, {"Y", kWhite, Size::kSmall}});
  EXPECT_EQ(cells[17].color, kWhite);
}

// Characters beyond the single-byte range are ordinary characters.

TEST(PreviewUnicode, CharacterOutsideTheBmpTakesOneCellWhole) {
  expectRow(rendered(QString::fromUtf8("a\U0001F600^1b")), {{"A", kWhite, Size::kSmall},
                                                            {"\U0001F600", kWhite, Size::kLarge},
                                                            {"B", kRed, Size::kSmall}});
}

TEST(PreviewUnicode, CharacterOutsideTheBmpFitsInTheLastCell) {
  const QString seventeen = QStringLiteral("ABCDEFGHIJKLMNOPQ");
  PreviewCells cells = rendered(seventeen + QString::fromUtf8("\U0001F600\U0001F601"));
  EXPECT_EQ(drawnCount(cells), 18);
  EXPECT_EQ(cells[17].text, QString::fromUtf8("\U0001F600"));

  cells = rendered(seventeen + QStringLiteral("R") + QString::fromUtf8("\U0001F600"));
  EXPECT_EQ(cells[17].text, QStringLiteral("R"));
}

TEST(PreviewUnicode, EighteenCharactersOutsideTheBmpFillTheRow) {
  QString name;
  for (int index = 0; index < 20; ++index) {
    name += QString::fromUtf8("\U0001F600");
  }
  const PreviewCells cells = rendered(name + QStringLiteral("^1"));
  EXPECT_EQ(drawnCount(cells), 18);
  for (const core::PreviewCell& cell : cells) {
    EXPECT_EQ(cell.text, QString::fromUtf8("\U0001F600"));
    EXPECT_EQ(cell.color, kWhite);
  }
}

TEST(PreviewUnicode, UpperCaseFollowsQtButOnlyAToZAreSmall) {
  struct Case {
    const char* name;
    const char* shown;
  };
  // One character each: Latin, Greek, Cyrillic, dotless i (upper-cases to the
  // ASCII I), long s, fullwidth a, and a Deseret letter outside the BMP.
  const Case cases[] = {{"é", "É"},
                        {"ω", "Ω"},
                        {"ж", "Ж"},
                        {"ı", "I"},
                        {"ſ", "S"},
                        {"ａ", "Ａ"},
                        {"\U00010428", "\U00010400"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    expectRow(rendered(QString::fromUtf8(c.name)),
              {{QString::fromUtf8(c.shown), kWhite, Size::kLarge}});
  }
}

TEST(PreviewUnicode, SharpSStaysOneCharacterInOneCell) {
  // Full upper-casing would give "SS", two characters in one cell.
  expectRow(rendered(QString::fromUtf8("ßa")),
            {{QString::fromUtf8("ß"), kWhite, Size::kLarge}, {"A", kWhite, Size::kSmall}});
}

TEST(PreviewUnicode, LoneSurrogatesAreDrawnOnTheirOwn) {
  QString name;
  name += QChar(0xD83D);  // high surrogate with no partner
  name += QStringLiteral("a");
  name += QChar(0xDE00);  // low surrogate with no partner
  const PreviewCells cells = rendered(name);
  EXPECT_EQ(drawnCount(cells), 3);
  EXPECT_EQ(cells[0].text, QString(QChar(0xD83D)));
  EXPECT_EQ(cells[1].text, QStringLiteral("A"));
  EXPECT_EQ(cells[1].pointSize, 18);
  EXPECT_EQ(cells[2].text, QString(QChar(0xDE00)));
}

// The preview in words: what a screen reader says and the tooltip shows.

TEST(PreviewWords, TellTheCharactersThenEachRunOfOneColour) {
  const std::pair<const char*, const char*> cases[] = {
      {"^1Red^2Green", "REDGREEN: RED red, GREEN green"},
      {"^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!",
       "TARNWICK!!!!: T red, A green, R yellow, N blue, W aqua, I pink, C white, K black, "
       "! red, ! green, ! yellow, ! blue"},
      {"Plain ^0", "PLAIN ^0: PLAIN ^0 white"},
      {"^9x^8y^7z", "XYZ: XY black, Z white"},
      // A blank shows no colour: it never starts or splits a run.
      {"^1Red ^2Green", "RED GREEN: RED red, GREEN green"},
      {"^1A^2 ^1B ", "A B : A B red"},
      {"   ", "3 spaces, drawn blank"},
      {"^1 ", "1 space, drawn blank"},
      {"", "Empty: nothing is drawn"},
      {"^1^2", "Empty: nothing is drawn"},
      {"^4abcdefghijklmnopqrstu",
       "ABCDEFGHIJKLMNOPQR: ABCDEFGHIJKLMNOPQR blue; cut off after 18 characters"},
      {"ABCDEFGHIJKLMNOPQ^1R^2", "ABCDEFGHIJKLMNOPQR: ABCDEFGHIJKLMNOPQ white, R red"},
      {"ABCDEFGHIJKLMNOPQR ",
       "ABCDEFGHIJKLMNOPQR: ABCDEFGHIJKLMNOPQR white; cut off after 18 characters"},
  };
  for (const auto& [name, words] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(core::previewWords(QString::fromUtf8(name)), QString::fromUtf8(words));
  }
}

TEST(PreviewWords, CutCountsCharactersOutsideTheBmpAsOneCell) {
  const QString seventeen = QStringLiteral("ABCDEFGHIJKLMNOPQ");
  EXPECT_FALSE(core::previewCutsOff(seventeen + QString::fromUtf8("\U0001F600")));
  EXPECT_TRUE(core::previewCutsOff(seventeen + QString::fromUtf8("\U0001F600\U0001F600")));
}

}  // namespace
