// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo in the real program: a one-click change of the name is taken back with
// Ctrl+Z in the name box and brought back with Ctrl+Shift+Z; so is a name
// loaded from name.cfg. The preview as a picture, on the clipboard and in a file.
#include <QDir>
#include <QFile>
#include <QPainter>

#include "previewpixels.h"
#include "session.h"

namespace e2e {
namespace {

// The centre of "Strip Color Codes", in twips of the client area.
const QPoint kStripCodes(5160 + 120 + 847, 120 + 720 + 187);
const QPoint kLightGreyButton(120 + 4560 + 547, 2160 + 1200 + 127);

QByteArray clipboardAs(const char* target) {
  QProcess xclip;
  xclip.start(QStringLiteral("xclip"),
              {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
               QString::fromLatin1(target), QStringLiteral("-o")});
  xclip.waitForFinished(5000);
  return xclip.readAllStandardOutput();
}

// The picture brought down to the screen's size, where the grab has the preview.
QImage asClient(const QImage& picture, const QImage& grab) {
  QImage client(grab.size(), QImage::Format_RGB32);
  client.fill(Qt::black);
  QPainter(&client).drawImage(previewPanelRect().topLeft(), picture.scaled(449, 57));
  return client;
}

}  // namespace

TEST_F(E2eTest, CtrlZInTheNameBringsBackWhatStripColorCodesTookAway) {
  const QString coded = QStringLiteral("^1Tin ^2tra");
  session.start();
  session.pressKeys(QStringLiteral("ctrl+a"));
  session.typeText(coded);
  session.clickTwips(kStripCodes.x(), kStripCodes.y());
  session.waitForClient([](const QImage& image) { return hasInk(image, 0, kWhite); });
  ASSERT_EQ(session.readName(), QStringLiteral("Tintra"));

  // readName left the focus in the box, as a click into it would.
  session.pressKeys(QStringLiteral("ctrl+z"));
  const QImage client =
      session.waitForClient([](const QImage& image) { return hasInk(image, 0, kRed); });
  EXPECT_TRUE(hasInk(client, 0, kRed)) << "the T is red again";
  EXPECT_EQ(session.readName(), coded);

  session.pressKeys(QStringLiteral("ctrl+shift+z"));
  EXPECT_EQ(session.readName(), QStringLiteral("Tintra"));
}

TEST_F(E2eTest, ThePictureIsThePreviewAtTwiceItsSizeAndALoadedNameCfgIsOneUndoStep) {
  const QString game = session.home() + QStringLiteral("/Veldmark");
  ASSERT_TRUE(QDir().mkpath(game + QStringLiteral("/main/scripts")));
  QFile settings(session.settingsFile());
  ASSERT_TRUE(settings.open(QIODevice::Append));
  settings.write("Veldmark Location=" + game.toUtf8() + '\n');
  settings.close();
  session.start();
  session.clickTwips(kLightGreyButton.x(), kLightGreyButton.y());
  const QImage grab =
      session.waitForClient([](const QImage& image) { return panelShade(image) == kLightGrey; });

  // Copy Picture from the preview's own menu; another program pastes a PNG.
  session.clickClient(previewPanelRect().center());
  runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("3")});
  session.pressKeys(QStringLiteral("Down Return"));
  EXPECT_TRUE(clipboardAs("TARGETS").contains("image/png"));
  const QImage pasted = QImage::fromData(clipboardAs("image/png"), "PNG");

  // Save Picture As... from the name box's menu, by the keyboard.
  const QString file = session.home() + QStringLiteral("/shared.png");
  static_cast<void>(session.readName());
  session.pressKeys(QStringLiteral("shift+F10 Up Up Return"));
  ASSERT_TRUE(session.focusWindowTitled(QStringLiteral("^Save Picture As$")));
  session.pressKeys(QStringLiteral("ctrl+a"));
  session.typeText(file);
  session.pressKeys(QStringLiteral("Return"));
  ASSERT_TRUE(session.waitForWindowGone(QStringLiteral("^Save Picture As$")));
  const QImage saved(file);
  ASSERT_EQ(saved.size(), QSize(898, 114));
  EXPECT_EQ(pasted.convertToFormat(QImage::Format_RGB32),
            saved.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(saved.pixel(3, 3) & 0xFFFFFFu, kLightGrey);
  const QImage shrunk = asClient(saved, grab);
  for (int cell = 0; cell < 18; ++cell) {
    for (const QRgb colour : {kRed, kGreen, kYellow, kBlue, kAqua, kPink, kWhite}) {
      EXPECT_EQ(hasInk(shrunk, cell, colour), hasInk(grab, cell, colour)) << cell << " " << colour;
    }
  }

  // Make name.cfg writes the name; Load name.cfg brings it back, one step.
  const QString name = QStringLiteral("^3Gelb ^5\u00e9t\u00e9");
  session.setName(name);
  session.pressKeys(QStringLiteral("alt+x Right Return"));
  ASSERT_TRUE(session.focusWindowTitled(kMakeNameCfgTitle));
  session.pressKeys(QStringLiteral("Return"));
  ASSERT_TRUE(session.focusWindowTitled(kMakeNameCfgTitle));
  session.pressKeys(QStringLiteral("Return"));
  session.focusWindow(session.mainWindowId());
  session.setName(QStringLiteral("other"));
  session.pressKeys(QStringLiteral("shift+F10 Up Return"));
  EXPECT_EQ(session.readName(), name);
  session.pressKeys(QStringLiteral("ctrl+z"));
  EXPECT_EQ(session.readName(), QStringLiteral("other"));
}

}  // namespace e2e
