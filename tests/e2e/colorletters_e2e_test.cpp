// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Color Letters in the real program: chosen from the name box's context menu
// with the keyboard, read back from the clipboard and from the preview.
#include <array>

#include "previewpixels.h"
#include "session.h"

namespace e2e {
namespace {

constexpr std::array kWheel{kRed, kYellow, kGreen, kAqua, kBlue, kPink};

// The middle of the toCol list's text, in twips of the client area.
const QPoint kToCol(5160 + 975 + 427, 120 + 1200 + 150);

// Opens the context menu of the focused name box with Shift+F10, goes up
// past Load name.cfg, Save Picture As… and Copy Picture to Color Letters,
// opens it and chooses its item'th entry.
void chooseColorLetters(const Session& session, int item) {
  session.pressKeys(QStringLiteral("shift+F10"));
  session.pressKeys(QStringLiteral("Up Up Up Up"));
  session.pressKeys(QStringLiteral("Right"));
  for (int down = 0; down < item; ++down) {
    session.pressKeys(QStringLiteral("Down"));
  }
  session.pressKeys(QStringLiteral("Return"));
}

// True when each cell shows its colour and no other colour of the wheel.
bool drawsInColours(const QImage& client, const QList<QRgb>& colours) {
  for (int cell = 0; cell < colours.size(); ++cell) {
    for (const QRgb colour : kWheel) {
      if (hasInk(client, cell, colour) != (colour == colours.at(cell))) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

TEST_F(E2eTest, RainbowFromTheNameBoxMenuGivesEachLetterTheNextColour) {
  session.start();
  session.pressKeys(QStringLiteral("ctrl+a"));
  session.typeText(QStringLiteral("Tintra"));
  session.waitForClient([](const QImage& image) { return !hasInk(image, 0, kRed); });

  chooseColorLetters(session, 0);  // Rainbow
  const QList<QRgb> rainbow{kRed, kYellow, kGreen, kAqua, kBlue, kPink};
  const QImage client = session.waitForClient(
      [&rainbow](const QImage& image) { return drawsInColours(image, rainbow); });
  for (int cell = 0; cell < rainbow.size(); ++cell) {
    EXPECT_TRUE(hasInk(client, cell, rainbow.at(cell))) << "cell " << cell;
    for (const QRgb colour : kWheel) {
      if (colour != rainbow.at(cell)) {
        EXPECT_FALSE(hasInk(client, cell, colour)) << "cell " << cell << " colour " << colour;
      }
    }
  }
  EXPECT_EQ(session.readName(), QStringLiteral("^1T^3i^2n^5t^4r^6a"));

  session.pressKeys(QStringLiteral("ctrl+z"));
  EXPECT_EQ(session.readName(), QStringLiteral("Tintra")) << "one undo step";
}

// Also takes the screenshot of the README.
TEST_F(E2eTest, FadeFromRedToAquaRunsRoundTheWheelInEvenRuns) {
  session.start();
  session.clickTwips(kToCol.x(), kToCol.y());
  session.pressKeys(QStringLiteral("ctrl+a"));
  session.typeText(QStringLiteral("Aqua"));
  session.pressKeys(QStringLiteral("Escape"));             // closes the completion list
  session.clickTwips(120 + 120 + 2000, 1320 + 240 + 180);  // back into pureCode
  session.pressKeys(QStringLiteral("ctrl+a"));
  session.typeText(QStringLiteral("FadeToAqua"));
  session.waitForClient([](const QImage& image) { return !hasInk(image, 0, kRed); });

  chooseColorLetters(session, 2);  // Fade
  // Red, Yellow, Green, Aqua: ten letters in runs of 3, 2, 3 and 2.
  const QList<QRgb> fade{kRed, kRed, kRed, kYellow, kYellow, kGreen, kGreen, kGreen, kAqua, kAqua};
  const QImage client =
      session.waitForClient([&fade](const QImage& image) { return drawsInColours(image, fade); });
  session.grabScreen()
      .copy(session.mainWindowRect())
      .save(screenshotPath(QStringLiteral("colorletters-fade.png")));
  EXPECT_TRUE(drawsInColours(client, fade));
  EXPECT_EQ(session.readName(), QStringLiteral("^1Fad^3eT^2oAq^5ua"));
}

}  // namespace e2e
