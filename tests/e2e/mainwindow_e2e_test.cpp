// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as a user sees it: typed into, its tools clicked at their
// places, its preview read back from the screen.
#include <QDir>

#include "previewpixels.h"
#include "session.h"

namespace e2e {
namespace {

// Places to click, as twips of the client area (frame plus control, centred).
const QPoint kCycleColors(5160 + 120 + 847, 120 + 240 + 187);
const QPoint kStripCodes(5160 + 120 + 847, 120 + 720 + 187);
const QPoint kSwapColors(5160 + 120 + 847, 120 + 1560 + 127);
const QPoint kLightGreyButton(120 + 4560 + 547, 2160 + 1200 + 127);
const QPoint kCls(120 + 4440 + 187, 1320 + 240 + 187);

QPoint legendLabel(int code) {
  return {120 + 120 + 600 * (code - 1) + 247, 120 + 360 + 187};
}

// Types a new name over the whole of pureCode.
void replaceName(const Session& session, const QString& name) {
  session.pressKeys(QStringLiteral("ctrl+a"));
  session.typeText(name);
}

void clickAt(const Session& session, QPoint twips) {
  session.clickTwips(twips.x(), twips.y());
}

}  // namespace

TEST_F(E2eTest, StartsWithTheSampleNameDrawnAndTheFocusInTheName) {
  session.start();
  const QImage client = session.waitForClient(
      [](const QImage& image) { return hasInk(image, 0, kRed) && hasInk(image, 11, kBlue); });
  session.grabScreen()
      .copy(session.mainWindowRect())
      .save(screenshotPath(QStringLiteral("main.png")));

  EXPECT_TRUE(hasInk(client, 0, kRed));    // T
  EXPECT_TRUE(hasInk(client, 1, kGreen));  // A, small
  EXPECT_TRUE(hasInk(client, 4, kAqua));   // W, small
  EXPECT_TRUE(hasInk(client, 6, kWhite));  // C, small
  EXPECT_TRUE(hasInk(client, 11, kBlue));  // the fourth "!"
  EXPECT_EQ(panelShade(client), kDarkGrey);
  for (int cell = 12; cell < 18; ++cell) {
    EXPECT_EQ(inkOf(client, cell, kDarkGrey).pixels, previewCellColumn(cell).width() * 57)
        << "cell " << cell << " is empty";
  }
  // The focus is in the name: typing lands there.
  session.typeText(QStringLiteral("Z"));
  EXPECT_EQ(session.readName(), QStringLiteral("^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!Z"));
}

TEST_F(E2eTest, TypedNameIsDrawnInItsColoursAndSizes) {
  session.start();
  replaceName(session, QStringLiteral("^1Hh^4Ee"));
  const QImage client = session.waitForClient(
      [](const QImage& image) { return hasInk(image, 3, kBlue) && !hasInk(image, 4, kWhite); });

  // Letters with flat tops and feet, so that the rows of pure colour are the
  // letters' full height.
  const Ink bigH = inkOf(client, 0, kRed);
  const Ink smallH = inkOf(client, 1, kRed);
  const Ink bigE = inkOf(client, 2, kBlue);
  const Ink smallE = inkOf(client, 3, kBlue);
  ASSERT_GT(bigH.pixels, 10);
  ASSERT_GT(smallH.pixels, 10);
  ASSERT_GT(bigE.pixels, 10);
  ASSERT_GT(smallE.pixels, 10);
  EXPECT_EQ(inkOf(client, 4, kDarkGrey).pixels, 23 * 57) << "cell 4 is empty";

  // 22 pt capitals from top 120 twips, 18 pt small capitals from top 203.
  EXPECT_EQ(bigH.box.height(), bigE.box.height());
  EXPECT_EQ(smallH.box.height(), smallE.box.height());
  const double ratio = double(bigH.box.height()) / smallH.box.height();
  EXPECT_NEAR(ratio, 22.0 / 18.0, 0.12);
  EXPECT_GT(smallH.box.top(), bigH.box.top() + 3);
  EXPECT_NEAR(bigH.box.height(), 21, 4) << "a 22 pt capital is about 21 pixels high";
  EXPECT_EQ(session.readName(), QStringLiteral("^1Hh^4Ee"));
}

TEST_F(E2eTest, ToolsRewriteTheNameWhenClickedAtTheirPlaces) {
  session.start();
  replaceName(session, QStringLiteral("^1Ab ^4Cd"));
  session.waitForClient([](const QImage& image) { return hasInk(image, 4, kBlue); });

  clickAt(session, kCycleColors);
  QImage client =
      session.waitForClient([](const QImage& image) { return hasInk(image, 0, kGreen); });
  EXPECT_TRUE(hasInk(client, 0, kGreen));
  EXPECT_TRUE(hasInk(client, 2, kAqua)) << "the space is gone, C moved to cell 2";
  EXPECT_EQ(session.readName(), QStringLiteral("^2Ab^5Cd"));

  replaceName(session, QStringLiteral("^1x^4y"));
  clickAt(session, kSwapColors);  // Red to Green
  client = session.waitForClient([](const QImage& image) { return hasInk(image, 0, kGreen); });
  EXPECT_TRUE(hasInk(client, 0, kGreen));
  EXPECT_TRUE(hasInk(client, 1, kBlue));
  EXPECT_EQ(session.readName(), QStringLiteral("^2x^4y"));

  clickAt(session, kLightGreyButton);
  clickAt(session, kStripCodes);
  client = session.waitForClient([](const QImage& image) {
    return hasInk(image, 0, kWhite) && panelShade(image) == kLightGrey;
  });
  EXPECT_TRUE(hasInk(client, 1, kWhite));
  EXPECT_EQ(session.readName(), QStringLiteral("xy"));
  session.typeText(QStringLiteral("^5q"));
  client = session.waitForClient([](const QImage& image) { return hasInk(image, 0, kAqua); });
  EXPECT_TRUE(hasInk(client, 0, kAqua));
  EXPECT_EQ(panelShade(client), kLightGrey) << "the shade survives typing";
  EXPECT_EQ(inkOf(client, 5, kLightGrey).pixels, 23 * 57);

  clickAt(session, kCls);
  client = session.waitForClient([](const QImage& image) { return !hasInk(image, 0, kAqua); });
  EXPECT_FALSE(hasInk(client, 0, kAqua));
  session.typeText(QStringLiteral("k"));  // cls leaves the focus in the name
  EXPECT_EQ(session.readName(), QStringLiteral("k"));
}

TEST_F(E2eTest, FunctionKeysAndLegendTypeCodesWhereTheFocusIs) {
  session.start();
  replaceName(session, QStringLiteral("ab"));
  session.pressKeys(QStringLiteral("F1"));
  session.typeText(QStringLiteral("c"));
  QImage client = session.waitForClient([](const QImage& image) { return hasInk(image, 2, kRed); });
  EXPECT_TRUE(hasInk(client, 2, kRed));
  EXPECT_TRUE(hasInk(client, 1, kWhite));

  clickAt(session, legendLabel(4));
  session.typeText(QStringLiteral("d"));
  client = session.waitForClient([](const QImage& image) { return hasInk(image, 3, kBlue); });
  EXPECT_TRUE(hasInk(client, 3, kBlue));
  EXPECT_EQ(session.readName(), QStringLiteral("ab^1c^4d"));

  // The button keeps the focus after its click: a legend click types nowhere.
  session.pressKeys(QStringLiteral("End"));
  clickAt(session, kCycleColors);
  clickAt(session, legendLabel(2));
  EXPECT_EQ(session.readName(), QStringLiteral("ab^2c^5d"));

  session.pressKeys(QStringLiteral("F9"));
  client = session.waitForClient([](const QImage& image) { return !hasInk(image, 0, kWhite); });
  EXPECT_FALSE(hasInk(client, 0, kWhite));
  EXPECT_EQ(session.readName(), QString());
}

TEST_F(E2eTest, EachNineInACycledNameGetsItsOwnMessageBox) {
  session.start();
  replaceName(session, QStringLiteral("^9a^9b^1c"));
  clickAt(session, kCycleColors);
  const QString box = QStringLiteral("^Veldmark Name Colorizer$");
  for (int message = 1; message <= 2; ++message) {
    const QString id = session.waitForWindow(box);
    ASSERT_FALSE(id.isEmpty()) << "message " << message;
    EXPECT_EQ(session.findWindows(box).size(), 1) << "one box at a time";
    session.focusWindow(id);
    session.pressKeys(QStringLiteral("Return"));
    EXPECT_FALSE(session.findWindows(box).contains(id)) << "message " << message << " stayed";
  }
  session.focusWindow(session.mainWindowId());
  const QImage client =
      session.waitForClient([](const QImage& image) { return hasInk(image, 2, kGreen); });
  EXPECT_TRUE(hasInk(client, 0, kWhite));
  EXPECT_TRUE(hasInk(client, 2, kGreen));
  EXPECT_TRUE(session.findWindows(box).isEmpty());
  // The focus came back to the button, so a legend click types nowhere.
  clickAt(session, legendLabel(3));
  EXPECT_EQ(session.readName(), QStringLiteral("ab^2c"));
}

}  // namespace e2e
