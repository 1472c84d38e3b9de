// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/colorcodes.h"
#include "core/picturefilename.h"
#include "printers.h"

namespace {

std::string nameOf(const char* guard) {
  return guard;
}

// --- Cycle ---

struct CycleCase {
  const char* guard;
  const char16_t* name;
  const char16_t* cycled;
  int unrecognised;
};

class Cycle : public testing::TestWithParam<CycleCase> {};

TEST_P(Cycle, MovesEachCodeOneColourOn) {
  const CycleCase& c = GetParam();
  const core::CycleResult result = core::cycleColorCodes(QString::fromUtf16(c.name));
  EXPECT_EQ(result.text, QString::fromUtf16(c.cycled));
  EXPECT_EQ(result.unrecognisedCodes, c.unrecognised);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cycle,
    testing::Values(
        CycleCase{"digitsGoUpByOne", u"^1a^2b", u"^2a^3b", 0},
        CycleCase{"sevenToEightAndEightWrapsToOne", u"^7x^8y", u"^8x^1y", 0},
        CycleCase{"everyCodeOneToEight", u"^1^2^3^4^5^6^7^8", u"^2^3^4^5^6^7^8^1", 0},
        CycleCase{"nameWithoutCodesLosesOnlySpaces", u"Your Name", u"YourName", 0},
        CycleCase{"mixedNameLosesItsSpace", u"Y^8o^7u^8r ^7N^8a^7m^8e", u"Y^1o^8u^1r^8N^1a^8m^1e",
                  0},
        CycleCase{"nineIsDroppedAndCounted", u"^9ab", u"ab", 1},
        CycleCase{"eachNineIsCounted", u"^9a^9b", u"ab", 2},
        CycleCase{"caretBeforeZeroStays", u"^0a", u"^0a", 0},
        CycleCase{"caretAtTheEndStays", u"a^", u"a^", 0},
        CycleCase{"onlyTheSecondCaretStartsACode", u"^^1", u"^^2", 0},
        CycleCase{"caretBeforeSpaceStaysAndSpaceGoes", u"a^ b", u"a^b", 0},
        CycleCase{"droppedSpaceJoinsCaretAndDigitOnlyInTheResult", u"^ 1", u"^1", 0},
        CycleCase{"newCodeIsNotCycledAgain", u"^1^1", u"^2^2", 0},
        CycleCase{"zeroAfterCodeIsOrdinary", u"^10", u"^20", 0},
        CycleCase{"onlyAsciiSpaceIsDropped", u"a\u00A0b\tc\u3000d", u"a\u00A0b\tc\u3000d", 0},
        CycleCase{"charactersOutsideTheBmpAreCopiedWhole", u"^1\U0001F600 x", u"^2\U0001F600x", 0},
        CycleCase{"emptyNameGivesEmptyResult", u"", u"", 0}),
    [](const auto& info) { return nameOf(info.param.guard); });

TEST(CycleLoop, EightPressesBringEveryCodeBack) {
  const QString name = QStringLiteral("^1a^2b^3c^4d^5e^6f^7g^8h");
  QString text = name;
  for (int press = 1; press <= 8; ++press) {
    text = core::cycleColorCodes(text).text;
    EXPECT_EQ(text == name, press == 8) << press;
  }
}

// --- Strip ---

struct RewriteCase {
  const char* guard;
  const char16_t* name;
  const char16_t* rewritten;
};

class Strip : public testing::TestWithParam<RewriteCase> {};

TEST_P(Strip, TakesOutEveryCodeAndSpace) {
  const RewriteCase& c = GetParam();
  EXPECT_EQ(core::stripColorCodes(QString::fromUtf16(c.name)), QString::fromUtf16(c.rewritten));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Strip,
    testing::Values(
        RewriteCase{"codesGo", u"^1a^2b", u"ab"},
        RewriteCase{"codesAndSpaceGo", u"Y^8o^7u^8r ^7N^8a^7m^8e", u"YourName"},
        RewriteCase{"clanTagName", u"^7cl^2A^7nn^2A^7me^6|^7n^2A^7me", u"clAnnAme|nAme"},
        RewriteCase{"nineGoesToo", u"^9x", u"x"},
        RewriteCase{"caretBeforeZeroAndCaretAtTheEndStay", u"^0a^", u"^0a^"},
        RewriteCase{"caretBeforeCodeStays", u"^^1a", u"^a"},
        RewriteCase{"onlyCodesGivesEmpty", u"^1^2^3", u""},
        RewriteCase{"notRecursive", u"^^11", u"^1"},
        RewriteCase{"caretBeforeSpaceStays", u"^ 1", u"^1"},
        RewriteCase{"onlyAsciiSpaceIsDropped", u"\u00A0^1\t", u"\u00A0\t"},
        RewriteCase{"charactersOutsideTheBmpAreCopiedWhole", u"^3\U0001F600", u"\U0001F600"},
        RewriteCase{"emptyStaysEmpty", u"", u""}),
    [](const auto& info) { return nameOf(info.param.guard); });

TEST(StripTwice, SecondPressRemovesCodesJoinedByTheFirst) {
  const QString once = core::stripColorCodes(QStringLiteral("^^11"));
  EXPECT_EQ(once, QStringLiteral("^1"));
  EXPECT_EQ(core::stripColorCodes(once), QString());

  const QString other = core::stripColorCodes(QStringLiteral("^^1a"));
  EXPECT_EQ(core::stripColorCodes(other), QStringLiteral("^a"));
}

// --- Replace ---

struct ReplaceCase {
  const char* guard;
  const char16_t* name;
  int fromCode;
  int toCode;
  const char16_t* rewritten;
};

class Replace : public testing::TestWithParam<ReplaceCase> {};

TEST_P(Replace, RewritesOnlyTheFromColour) {
  const ReplaceCase& c = GetParam();
  EXPECT_EQ(core::replaceColorCode(QString::fromUtf16(c.name), c.fromCode, c.toCode),
            QString::fromUtf16(c.rewritten));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Replace,
    testing::Values(ReplaceCase{"redToGreenLeavesEarlierGreenGreen", u"^1a^2b^1c", 1, 2,
                                u"^2a^2b^2c"},
                    ReplaceCase{"coloursAreNotExchanged", u"^1a^2b", 1, 2, u"^2a^2b"},
                    ReplaceCase{"blackToWhiteDropsTheSpace", u"Y^8o^7u^8r ^7N^8a^7m^8e", 8, 7,
                                u"Y^7o^7u^7r^7N^7a^7m^7e"},
                    ReplaceCase{"sameColourOnlyDropsSpaces", u"^1a ^2b", 1, 1, u"^1a^2b"},
                    ReplaceCase{"unknownFromNameMatchesNothing", u"^1a ^2b", 0, 2, u"^1a^2b"},
                    ReplaceCase{"unknownToNameWritesCaretZero", u"^1a", 1, 0, u"^0a"},
                    ReplaceCase{"nineAndZeroNeverChange", u"^9a^0b", 1, 2, u"^9a^0b"},
                    ReplaceCase{"caretOutsideACodeIsCopied", u"^^1x^", 1, 3, u"^^3x^"},
                    ReplaceCase{"eachCodeIsLookedAtOnce", u"^1^2", 1, 2, u"^2^2"},
                    ReplaceCase{"charactersOutsideTheBmpAreCopiedWhole", u"\U0001F600^4", 4, 5,
                                u"\U0001F600^5"},
                    ReplaceCase{"toCodeAboveNineIsClampedToOneDigit", u"^1a", 1, 12, u"^9a"},
                    ReplaceCase{"negativeToCodeIsClampedToZero", u"^1a", 1, -3, u"^0a"},
                    ReplaceCase{"emptyStaysEmpty", u"", 1, 2, u""}),
    [](const auto& info) { return nameOf(info.param.guard); });

TEST(ReplaceByName, ColourNamesGiveTheCodesTheRewriteUses) {
  const int from = core::colorNameToCode(QStringLiteral("Red"));
  const int to = core::colorNameToCode(QStringLiteral("Orange"));
  EXPECT_EQ(core::replaceColorCode(QStringLiteral("^1a"), from, to), QStringLiteral("^0a"));
}

// --- The picture's file name ---

TEST(PictureFileName, IsTheNameWithoutCodesAndWithoutWhatAFileNameCannotHold) {
  const struct {
    const char16_t *name, *file;
  } cases[] = {
      {u"^1Tar^2a: ^3b?", u"Tara_ b_.png"},  // spaces kept, codes gone
      {u"a<b>c\\d/e|f\"g*h\ti", u"a_b_c_d_e_f_g_h_i.png"},
      {u" ..^0x.. ", u"^0x.png"},  // no code, ends trimmed
      {u"^1^2", u"name.png"},      // nothing left
      {u"Con", u"Con_.png"},       // a Windows device
      {u"nul.x", u"nul_.x.png"},
      {u"Console", u"Console.png"},
      {u"\u00e9\u2603", u"\u00e9\u2603.png"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::pictureFileName(QString::fromUtf16(c.name)), QString::fromUtf16(c.file));
  }
  const QString longName = QString(99, u'x') + QStringLiteral("\U0001F600 tail");
  EXPECT_EQ(core::pictureFileName(longName), QString(99, u'x') + QStringLiteral(".png"))
      << "cut to 100 characters, never in a surrogate pair";
}

}  // namespace
