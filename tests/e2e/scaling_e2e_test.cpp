// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window at 100 % and at 200 % display scaling: the real program
// started twice, its screen read back. At twice the scale every preview
// character sits in the same place of its cell and keeps its shape, twice as
// large. Both screenshots are kept: main-1x.png and main-2x.png.
#include "previewpixels.h"
#include "session.h"

namespace e2e {
namespace {

// The sample name's first twelve characters, "TARNWICK!!!!", in the colours
// of the codes 1 to 8 and 1 to 4.
constexpr std::array<QRgb, 12> kSampleInk{0xFF0000u, 0x00FF00u, 0xFFFF00u, 0x0000FFu,
                                          0x00FFFFu, 0xFF00FFu, 0xFFFFFFu, 0x000000u,
                                          0xFF0000u, 0x00FF00u, 0xFFFF00u, 0x0000FFu};

// The ink of a cell in a grab of the client area at a scale, with its box
// given back in unscaled pixels.
Ink inkAt(const QImage& client, int scale, int cell, QRgb colour) {
  const QRect column = previewCellColumn(cell);
  const QRect area(column.topLeft() * scale, column.size() * scale);
  Ink ink;
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((client.pixel(x, y) & 0xFFFFFFu) == colour) {
        ++ink.pixels;
        box |= QRect(x, y, 1, 1);
      }
    }
  }
  ink.box = QRect(box.topLeft() / scale, box.size() / scale);
  return ink;
}

QImage sampleShownAt(Session& session, int scale) {
  session.setScale(scale);
  session.start();
  return session.waitForClient([scale](const QImage& client) {
    return inkAt(client, scale, 0, kSampleInk.at(0)).pixels >= 10 * scale * scale &&
           inkAt(client, scale, 11, kSampleInk.at(11)).pixels >= 10 * scale * scale;
  });
}

}  // namespace

TEST(ScalingE2e, PreviewCharactersKeepTheirPlaceAndShapeAtTwiceTheScale) {
  Session plain;
  const QImage one = sampleShownAt(plain, 1);
  plain.grabScreen()
      .copy(plain.mainWindowRect())
      .save(screenshotPath(QStringLiteral("main-1x.png")));
  plain.kill();

  Session doubled;
  const QImage two = sampleShownAt(doubled, 2);
  doubled.grabScreen()
      .copy(doubled.mainWindowRect())
      .save(screenshotPath(QStringLiteral("main-2x.png")));
  ASSERT_EQ(two.size(), one.size() * 2) << "the window is twice as large";

  for (int cell = 0; cell < static_cast<int>(kSampleInk.size()); ++cell) {
    const Ink small = inkAt(one, 1, cell, kSampleInk.at(static_cast<std::size_t>(cell)));
    const Ink large = inkAt(two, 2, cell, kSampleInk.at(static_cast<std::size_t>(cell)));
    SCOPED_TRACE(testing::Message() << "cell " << cell);
    ASSERT_GE(small.pixels, 10);
    // Four times the solid pixels, give or take the antialiased edges.
    EXPECT_GT(large.pixels, small.pixels * 3);
    EXPECT_LT(large.pixels, small.pixels * 6);
    // Same place, same size, within two unscaled pixels.
    EXPECT_LE(qAbs(large.box.center().x() - small.box.center().x()), 2);
    EXPECT_LE(qAbs(large.box.center().y() - small.box.center().y()), 2);
    EXPECT_LE(qAbs(large.box.width() - small.box.width()), 2);
    EXPECT_LE(qAbs(large.box.height() - small.box.height()), 2);
  }
}

}  // namespace e2e
