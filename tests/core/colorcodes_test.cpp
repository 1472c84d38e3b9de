#include <gtest/gtest.h>

#include "core/colorcodes.h"

namespace {

TEST(ColorCodes, CaretBeforeZeroIsOrdinary) {
  EXPECT_FALSE(core::isColorCodeAt(QStringLiteral("^0a"), 1));
  EXPECT_TRUE(core::isColorCodeAt(QStringLiteral("a^9"), 2));
  EXPECT_FALSE(core::isColorCodeAt(QStringLiteral("a^"), 2));
}

TEST(ColorCodes, NamesMapExactly) {
  EXPECT_EQ(core::colorNameToCode(QStringLiteral("Red")), 1);
  EXPECT_EQ(core::colorNameToCode(QStringLiteral("Black")), 8);
  EXPECT_EQ(core::colorNameToCode(QStringLiteral("red")), 0);
  EXPECT_EQ(core::colorNameToCode(QStringLiteral("Red ")), 0);
  EXPECT_EQ(core::colorNameToCode(QString()), 0);
}

}  // namespace
