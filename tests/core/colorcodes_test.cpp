// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colorcodes.h"

#include <gtest/gtest.h>

#include "printers.h"

namespace {

struct CodeAtCase {
  const char* guard;
  const char16_t* name;
  int position;
  bool isCode;
};

class IsColorCodeAt : public testing::TestWithParam<CodeAtCase> {};

TEST_P(IsColorCodeAt, FollowsTheCaretDigitRule) {
  const CodeAtCase& c = GetParam();
  EXPECT_EQ(core::isColorCodeAt(QString::fromUtf16(c.name), c.position), c.isCode);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsColorCodeAt,
    testing::Values(CodeAtCase{"caretAndOneIsACode", u"^1", 1, true},
                    CodeAtCase{"caretAndNineIsACode", u"a^9", 2, true},
                    CodeAtCase{"digitOfACodeIsNotItselfACode", u"^1", 2, false},
                    CodeAtCase{"caretBeforeZeroIsOrdinary", u"^0a", 1, false},
                    CodeAtCase{"caretBeforeColonIsOrdinary", u"^:", 1, false},
                    CodeAtCase{"caretBeforeSlashIsOrdinary", u"^/", 1, false},
                    CodeAtCase{"caretBeforeCaretIsOrdinary", u"^^1", 1, false},
                    CodeAtCase{"secondCaretOfCaretCaretOneIsACode", u"^^1", 2, true},
                    CodeAtCase{"caretAtTheEndIsOrdinary", u"a^", 2, false},
                    CodeAtCase{"caretBeforeSpaceIsOrdinary", u"^ 1", 1, false},
                    CodeAtCase{"letterBeforeDigitIsOrdinary", u"a1", 1, false},
                    CodeAtCase{"positionZeroIsOutside", u"^1", 0, false},
                    CodeAtCase{"negativePositionIsOutside", u"^1", -1, false},
                    CodeAtCase{"positionPastTheEndIsOutside", u"^1", 3, false},
                    CodeAtCase{"emptyNameHasNoCode", u"", 1, false},
                    CodeAtCase{"fullwidthCaretIsOrdinary", u"\uFF3E1", 1, false},
                    CodeAtCase{"fullwidthDigitIsNotACodeDigit", u"^\uFF11", 1, false},
                    CodeAtCase{"arabicIndicDigitIsNotACodeDigit", u"^\u0661", 1, false},
                    CodeAtCase{"superscriptOneIsNotACodeDigit", u"^\u00B9", 1, false}),
    [](const testing::TestParamInfo<CodeAtCase>& info) { return std::string(info.param.guard); });

TEST(ColorCodes, PositionsFarOutsideTheNameAreNeverACode) {
  const QString name = QStringLiteral("^1^2");
  EXPECT_FALSE(core::isColorCodeAt(name, std::numeric_limits<int>::min()));
  EXPECT_FALSE(core::isColorCodeAt(name, std::numeric_limits<int>::max()));
}

TEST(ColorCodes, CodesMapToTheirPaletteIndicesAndRgb) {
  struct Entry {
    int code;
    int index;
    core::Rgb rgb;
  };
  const Entry table[] = {
      {1, 12, {255, 0, 0}},     {2, 10, {0, 255, 0}},   {3, 14, {255, 255, 0}},
      {4, 9, {0, 0, 255}},      {5, 11, {0, 255, 255}}, {6, 13, {255, 0, 255}},
      {7, 15, {255, 255, 255}}, {8, 0, {0, 0, 0}},      {9, 0, {0, 0, 0}},
  };
  for (const Entry& entry : table) {
    SCOPED_TRACE(entry.code);
    EXPECT_EQ(core::codeToColorIndex(entry.code), entry.index);
    EXPECT_EQ(core::colorIndexToRgb(entry.index), entry.rgb);
  }
}

TEST(ColorCodes, ValuesOutsideOneToEightHaveIndexZero) {
  for (const int code : {0, 9, 10, -1, 42, std::numeric_limits<int>::min()}) {
    EXPECT_EQ(core::codeToColorIndex(code), 0) << code;
  }
}

TEST(ColorCodes, DefaultIsTheSameWhiteAsCodeSeven) {
  EXPECT_EQ(core::kDefaultColorIndex, 15);
  EXPECT_EQ(core::colorIndexToRgb(core::kDefaultColorIndex),
            core::colorIndexToRgb(core::codeToColorIndex(7)));
}

TEST(ColorCodes, ShadeIndicesAreLightAndDarkGrey) {
  EXPECT_EQ(core::colorIndexToRgb(7), (core::Rgb{192, 192, 192}));
  EXPECT_EQ(core::colorIndexToRgb(8), (core::Rgb{128, 128, 128}));
}

TEST(ColorCodes, IndicesOutsideThePaletteGiveBlackRatherThanGarbage) {
  for (const int index : {-1, 16, 255, std::numeric_limits<int>::max()}) {
    EXPECT_EQ(core::colorIndexToRgb(index), (core::Rgb{0, 0, 0})) << index;
  }
}

TEST(ColorCodes, NamesListCodesOneToEightInOrder) {
  EXPECT_EQ(core::colorNames(),
            (QStringList{"Red", "Green", "Yellow", "Blue", "Aqua", "Pink", "White", "Black"}));
}

TEST(ColorCodes, EveryListedNameMapsBackToItsCode) {
  const QStringList names = core::colorNames();
  for (int code = 1; code <= 8; ++code) {
    EXPECT_EQ(core::colorNameToCode(names.at(code - 1)), code);
  }
}

TEST(ColorCodes, NamesMatchExactlyOrGiveZero) {
  for (const char* text : {"red", "RED", "Red ", " Red", "Redd", "", "Orange", "9", "1"}) {
    EXPECT_EQ(core::colorNameToCode(QString::fromUtf8(text)), 0) << text;
  }
}

}  // namespace
