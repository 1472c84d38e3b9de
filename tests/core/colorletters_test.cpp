// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Color Letters on hand-picked names: the examples players see first and the
// edges of the part (codes, carets, spaces, surrogate pairs at its ends).
#include <gtest/gtest.h>

#include "core/colorcodes.h"
#include "printers.h"

namespace {

constexpr int kRed = 1;
constexpr int kGreen = 2;
constexpr int kYellow = 3;
constexpr int kBlue = 4;
constexpr int kAqua = 5;
constexpr int kPink = 6;
constexpr int kWhite = 7;
constexpr int kBlack = 8;

enum class Pattern { Rainbow, Alternate, Fade };

struct LettersCase {
  const char* guard;
  Pattern pattern;
  const char16_t* name;
  qsizetype start;
  qsizetype length;
  int fromCode;
  int toCode;
  const char16_t* text;
  qsizetype resultStart;
  qsizetype resultLength;
};

std::optional<core::ColoredLetters> apply(const LettersCase& c) {
  const QString name = QString::fromUtf16(c.name);
  switch (c.pattern) {
    case Pattern::Rainbow:
      return core::rainbowLetters(name, c.start, c.length);
    case Pattern::Alternate:
      return core::alternateLetters(name, c.start, c.length, c.fromCode, c.toCode);
    case Pattern::Fade:
      return core::fadeLetters(name, c.start, c.length, c.fromCode, c.toCode);
  }
  return std::nullopt;
}

void PrintTo(const LettersCase& c, std::ostream* out) {
  *out << c.guard;
}

class ColorLetters : public testing::TestWithParam<LettersCase> {};

TEST_P(ColorLetters, GivesTheNameAndThePartToSelect) {
  const LettersCase& c = GetParam();
  const core::ColoredLetters expected{QString::fromUtf16(c.text), c.resultStart, c.resultLength};
  EXPECT_EQ(apply(c), expected);
}

constexpr Pattern R = Pattern::Rainbow;
constexpr Pattern A = Pattern::Alternate;
constexpr Pattern F = Pattern::Fade;

INSTANTIATE_TEST_SUITE_P(
    Examples, ColorLetters,
    testing::Values(
        LettersCase{"rainbowOfTintra", R, u"Tintra", 0, 0, 0, 0, u"^1T^3i^2n^5t^4r^6a", 0, 18},
        LettersCase{"rainbowOfInKeepsTraRed", R, u"^1Tintra", 3, 2, 0, 0, u"^1Ti^3n^1tra", 3, 4},
        LettersCase{"rainbowStartsAgainAtRed", R, u"abcdefg", 0, 0, 0, 0, u"^1a^3b^2c^5d^4e^6f^1g",
                    0, 21},
        LettersCase{"alternateStartsWithFrom", A, u"abc", 0, 0, kGreen, kPink, u"^2a^6b^2c", 0, 9},
        LettersCase{"whiteFirstLetterNeedsNoCode", A, u"abc", 0, 0, kWhite, kRed, u"a^1b^7c", 0, 7},
        LettersCase{"sameColourTwiceWritesOneCode", A, u"abc", 0, 0, kBlue, kBlue, u"^4abc", 0, 5},
        LettersCase{"blackAfterNineNeedsNoCode", A, u"^9abc", 3, 2, kBlack, kRed, u"^9ab^1c", 3,
                    4}),
    [](const auto& info) { return std::string(info.param.guard); });

INSTANTIATE_TEST_SUITE_P(
    Fades, ColorLetters,
    testing::Values(
        LettersCase{"shorterWayRoundThroughPink", F, u"abcdef", 0, 0, kRed, kBlue, u"^1ab^6cd^4ef",
                    0, 12},
        LettersCase{"tieGoesInTheWheelsOrder", F, u"abcd", 0, 0, kRed, kAqua, u"^1a^3b^2c^5d", 0,
                    12},
        LettersCase{"wayWrapsPastRed", F, u"abc", 0, 0, kPink, kYellow, u"^6a^1b^3c", 0, 9},
        LettersCase{"earlierRunsTakeTheExtraLetter", F, u"abcde", 0, 0, kRed, kYellow, u"^1abc^3de",
                    0, 9},
        LettersCase{"fewerLettersLeaveColoursOut", F, u"abc", 0, 0, kRed, kAqua, u"^1a^2b^5c", 0,
                    9},
        LettersCase{"oneLetterTakesFrom", F, u"a", 0, 0, kRed, kBlue, u"^1a", 0, 3},
        LettersCase{"toWhiteIsTwoHalves", F, u"abcdef", 0, 0, kRed, kWhite, u"^1abc^7def", 0, 10},
        LettersCase{"fromBlackIsTwoHalves", F, u"abc", 0, 0, kBlack, kGreen, u"^8ab^2c", 0, 7},
        LettersCase{"toItselfIsOneColour", F, u"ab", 0, 0, kGreen, kGreen, u"^2ab", 0, 4}),
    [](const auto& info) { return std::string(info.param.guard); });

INSTANTIATE_TEST_SUITE_P(
    Edges, ColorLetters,
    testing::Values(
        LettersCase{"emptyName", R, u"", 0, 0, 0, 0, u"", 0, 0},
        LettersCase{"spacesOfThePartAreDropped", R, u"a b c", 0, 0, 0, 0, u"^1a^3b^2c", 0, 9},
        LettersCase{"spacesOutsideThePartStay", R, u"a b c", 2, 1, 0, 0, u"a ^1b^7 c", 2, 3},
        LettersCase{"onlySpacesSelected", R, u"ab  cd", 2, 2, 0, 0, u"abcd", 2, 0},
        LettersCase{"onlyCodesSelected", R, u"a^3^4b", 1, 2, 0, 0, u"a^4b", 1, 0},
        LettersCase{"startInsideACodeTakesIt", R, u"^1ab", 1, 3, 0, 0, u"^1a^3b", 0, 6},
        LettersCase{"endInsideACodeTakesIt", R, u"ab^2c", 0, 3, 0, 0, u"^1a^3b^2c", 0, 6},
        LettersCase{"codeRightBeforeThePartIsTakenIn", R, u"x^5yz", 3, 2, 0, 0, u"x^1y^3z", 1, 6},
        LettersCase{"codeAfterThePartGoesWhenTheColourGoesOn", R, u"ab^3c", 0, 2, 0, 0, u"^1a^3bc",
                    0, 6},
        LettersCase{"nineKeepsItsDigitWhenRestored", R, u"a^9bc", 0, 1, 0, 0, u"^1a^9bc", 0, 3},
        LettersCase{"selectionPastTheEndIsCut", R, u"ab", 1, 99, 0, 0, u"a^1b", 1, 3},
        LettersCase{"noSelectionFromQLineEditIsTheWholeName", R, u"ab", -1, 0, 0, 0, u"^1a^3b", 0,
                    6},
        LettersCase{"caretAtThePartsEndBeforeADigit", R, u"ab^ 1", 1, 3, 0, 0, u"a^1b^3^^71", 1, 6},
        LettersCase{"caretAtThePartsEndBeforeADigitOfTheSameColour", R, u"^1ab^ 1", 4, 2, 0, 0,
                    u"^1ab^^11", 4, 1},
        LettersCase{"caretBeforeThePartMeetsItsFirstDigit", A, u"^ 1", 1, 2, kWhite, kWhite,
                    u"^^71", 1, 3},
        LettersCase{"caretAndDigitInsideThePart", A, u"^ 1", 0, 0, kWhite, kWhite, u"^^71", 0, 4},
        LettersCase{"emptyPartBetweenCaretAndDigit", R, u"^ 1", 1, 1, 0, 0, u"^^71", 1, 0},
        LettersCase{"caretBeforeZeroIsALetter", R, u"^0", 0, 0, 0, 0, u"^1^^30", 0, 6},
        LettersCase{"emojiIsOneLetter", R, u"a\U0001F600b", 0, 0, 0, 0, u"^1a^3\U0001F600^2b", 0,
                    10},
        LettersCase{"halfAnEmojiSelectedTakesItWhole", R, u"a\U0001F600b", 2, 1, 0, 0,
                    u"a^1\U0001F600^7b", 1, 4},
        LettersCase{"loneSurrogatesAreKeptApart", A, u"\xD800 \xDC00", 0, 0, kWhite, kWhite,
                    u"\xD800^7\xDC00", 0, 4}),
    [](const auto& info) { return std::string(info.param.guard); });

TEST(ColorLetters, CodesOutsideOneToEightLeaveTheNameAlone) {
  const QString name = QStringLiteral("abc");
  for (const auto& [from, to] : {std::pair{0, kRed}, {kRed, 0}, {9, kRed}, {kRed, 9}, {-1, 10}}) {
    EXPECT_EQ(core::alternateLetters(name, 0, 0, from, to), std::nullopt) << from << ' ' << to;
    EXPECT_EQ(core::fadeLetters(name, 0, 0, from, to), std::nullopt) << from << ' ' << to;
  }
}

TEST(ColorLetters, RandomOfTheHeadersExample) {
  QRandomGenerator random(7);
  EXPECT_EQ(core::randomLetters(QStringLiteral("abc"), 0, 0, random),
            (core::ColoredLetters{QStringLiteral("^4a^5b^1c"), 0, 9}));
}

TEST(ColorLetters, RandomFollowsItsGenerator) {
  QRandomGenerator first(7);
  QRandomGenerator second(7);
  const QString name = QStringLiteral("Tintra ^4Name");
  EXPECT_EQ(core::randomLetters(name, 0, 0, first), core::randomLetters(name, 0, 0, second));
}

TEST(ColorLetters, RandomOfOneLetterBetweenTwoColoursTakesAThird) {
  // Red before, Yellow after: four colours are left, and never those two.
  for (quint32 seed = 0; seed < 50; ++seed) {
    QRandomGenerator random(seed);
    const core::ColoredLetters result =
        core::randomLetters(QStringLiteral("^1ab^3c"), 3, 1, random);
    ASSERT_EQ(result.length, 3) << result.text.toStdString();
    EXPECT_NE(result.text.mid(3, 2), QStringLiteral("^1"));
    EXPECT_NE(result.text.mid(3, 2), QStringLiteral("^3"));
  }
}

}  // namespace
