// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/windows1252.h"

#include <gtest/gtest.h>

namespace {

using game::toWindows1252;

TEST(Windows1252, AsciiAndLatinLettersAreOneByteEach) {
  const auto encoded = toWindows1252(QStringLiteral("^1Ärger ñ ÿ ©"));
  ASSERT_TRUE(encoded.ok());
  EXPECT_EQ(encoded.bytes, QByteArray("^1\xC4rger \xF1 \xFF \xA9"));
}

TEST(Windows1252, TheCodePagesOwnPunctuationAndSignsAreMapped) {
  const auto encoded = toWindows1252(QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"));
  ASSERT_TRUE(encoded.ok());
  EXPECT_EQ(encoded.bytes, QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                                      "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"));
}

TEST(Windows1252, CharactersOutsideTheCodePageAreNamedOnceAndNothingIsEncoded) {
  const auto encoded = toWindows1252(QStringLiteral("a☺b€Жc☺😀"));
  EXPECT_FALSE(encoded.ok());
  EXPECT_TRUE(encoded.bytes.isEmpty());
  EXPECT_EQ(encoded.unwritable,
            QStringList({QStringLiteral("\"☺\" (U+263A)"), QStringLiteral("\"Ж\" (U+0416)"),
                         QStringLiteral("\"😀\" (U+1F600)")}));
}

TEST(Windows1252, ControlCharactersThatWouldBreakTheLineAreRefused) {
  const auto encoded = toWindows1252(QStringLiteral("a\nb\tc") + QChar(0x81));
  EXPECT_EQ(encoded.unwritable, QStringList({QStringLiteral("U+000A"), QStringLiteral("U+0009"),
                                             QStringLiteral("U+0081")}));
}

}  // namespace
