// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo in the real program: a one-click change of the name is taken back with
// Ctrl+Z in the name box and brought back with Ctrl+Shift+Z; so is a name
// loaded from name.cfg. The preview as a picture, on the clipboard and in a file.
#include <QDir>
#include <QFile>

#include "previewpixels.h"
#include "session.h"
#include "walks.h"

namespace e2e {
namespace {

// The centre of "Strip Color Codes", in twips of the client area.
const QPoint kStripCodes(5160 + 120 + 847, 120 + 720 + 187);
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
  const QString picture = session.home() + QStringLiteral("/shared.png");
  pictureIsThePreviewAtTwiceItsSize(session, picture, picture);
  nameCfgLoadsBackAsOneStep(session, game + QStringLiteral("/main/scripts/name.cfg"));
}

}  // namespace e2e
