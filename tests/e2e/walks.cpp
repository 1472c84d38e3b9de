// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "walks.h"

#include <QDir>
#include <QPainter>
#include <QThread>

#include "previewpixels.h"

namespace e2e {
namespace {

const QString kMessageBoxTitle = QStringLiteral("^Veldmark Name Colorizer$");
// The centre of the light grey background's button, in twips of the client area.
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

// Drags the file from a file manager's window onto the main window's
// preview, with the pointer, as a player would.
void dropOntoPreview(Session& session, const QString& file) {
  session.startHelper(QStringLiteral(TINTRA_DRAG_SOURCE), {file});
  const QString source = session.waitForWindow(QStringLiteral("^Drag source$"));
  ASSERT_FALSE(source.isEmpty()) << "the drag source did not start";
  const QPoint from = session.windowGeometry(source).center();
  const QPoint to = session.clientRect().topLeft() + previewPanelRect().center();
  const auto move = [](QPoint point) {
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
    QThread::msleep(100);
  };
  move(from);
  runTool(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
  for (int step = 1; step <= 10; ++step) {
    move(from + (to - from) * step / 10);
  }
  move(to + QPoint(1, 1));
  runTool(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
  session.settle();
}

}  // namespace

void frameCloseTellsOnceAndEnds(Session& session) {
  QFile::remove(session.settingsFile());
  ASSERT_TRUE(QDir().mkpath(session.settingsFile()));
  session.launch();
  ASSERT_TRUE(session.focusWindowTitled(kNoticeTitle));
  session.pressKeys(QStringLiteral("Return"));
  ASSERT_TRUE(session.focusWindowTitled(kMessageBoxTitle))
      << "no word that settings cannot be saved";
  session.pressKeys(QStringLiteral("Return"));
  // A window that a message box still blocks takes no close.
  ASSERT_TRUE(session.waitForWindowGone(kMessageBoxTitle));
  session.waitForMainWindow();
  session.closeThroughFrame();
  ASSERT_TRUE(session.focusWindowTitled(kMessageBoxTitle))
      << "not told what is lost; " << (session.isRunning() ? "still running" : "ended");
  session.pressKeys(QStringLiteral("Return"));
  EXPECT_TRUE(session.waitForExit(5000))
      << (session.findWindows(kMessageBoxTitle).isEmpty() ? "still running" : "told again");
}

void twoCopiesRestoreWhatTheOtherSaved(Session& first, Session& second) {
  first.start();
  second.ignoreWindow(first.mainWindowId());
  second.start();
  first.ignoreWindow(second.mainWindowId());
  // The two windows lie one over the other: the one used is brought to the
  // front and clicked, which under Wine is what makes it the active window.
  const auto use = [](const Session& copy) {
    runTool(QStringLiteral("xdotool"), {QStringLiteral("windowraise"), copy.mainWindowId()});
    copy.focusWindow(copy.mainWindowId());
    static_cast<void>(copy.readName());
  };
  for (int round = 1; round <= 8; ++round) {
    Session& saver = round % 2 != 0 ? first : second;
    Session& reader = round % 2 != 0 ? second : first;
    use(saver);
    saver.setName(QStringLiteral("^%1Bob").arg(round));
    saver.pressKeys(QStringLiteral("alt+a Right Return"));  // Save To Slot > Slot 1
    use(reader);
    reader.pressKeys(QStringLiteral("alt+a Down Right Return"));  // Restore From Slot > Slot 1
    EXPECT_EQ(reader.readName(), QStringLiteral("^%1Bob").arg(round)) << "round " << round;
  }
}

void pictureIsThePreviewAtTwiceItsSize(Session& session, const QString& typedFile,
                                       const QString& savedFile) {
  session.clickTwips(kLightGreyButton.x(), kLightGreyButton.y());
  const QImage grab =
      session.waitForClient([](const QImage& image) { return panelShade(image) == kLightGrey; });

  // Copy Picture from the preview's own menu; another program pastes a PNG.
  session.clickClient(previewPanelRect().center());
  runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("3")});
  session.settle();
  session.pressKeys(QStringLiteral("Down Return"));
  EXPECT_TRUE(clipboardAs("TARGETS").contains("image/png"));
  const QImage pasted = QImage::fromData(clipboardAs("image/png"), "PNG");

  // Save Picture As... from the name box's menu, by the keyboard: once given
  // up, which leaves the program as it was, then saved.
  const QString name = session.readName();
  for (const char* answer : {"Escape", "Home shift+End"}) {
    session.focusWindow(session.mainWindowId());
    static_cast<void>(session.readName());  // the click that activates the window under Wine
    session.pressKeys(QStringLiteral("shift+F10 Up Up Return"));
    ASSERT_TRUE(session.focusWindowTitled(QStringLiteral("^Save Picture As$")));
    session.pressKeys(QString::fromLatin1(answer));
  }
  session.typeText(typedFile);
  session.pressKeys(QStringLiteral("Return"));
  ASSERT_TRUE(session.waitForWindowGone(QStringLiteral("^Save Picture As$")));
  EXPECT_EQ(session.readName(), name);
  const QImage saved(savedFile);
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
}

void nameCfgLoadsBackAsOneStep(Session& session, const QString& nameCfg, const QString& menuKey) {
  const QString name = QStringLiteral("^3Gelb ^5\u00e9t\u00e9");
  session.focusWindow(session.mainWindowId());
  session.setName(name);
  session.pressKeys(QStringLiteral("alt+x Right Return"));
  ASSERT_TRUE(session.focusWindowTitled(kMakeNameCfgTitle));
  session.pressKeys(QStringLiteral("Return"));
  ASSERT_TRUE(session.focusWindowTitled(kMakeNameCfgTitle));
  session.pressKeys(QStringLiteral("Return"));
  ASSERT_TRUE(QFile::exists(nameCfg)) << "Make name.cfg wrote no " << nameCfg.toStdString();
  session.focusWindow(session.mainWindowId());
  session.setName(QStringLiteral("other"));
  session.pressKeys(menuKey + QStringLiteral(" Up Return"));
  EXPECT_EQ(session.readName(), name) << "by the menu";
  session.pressKeys(QStringLiteral("ctrl+z"));
  EXPECT_EQ(session.readName(), QStringLiteral("other"));

  dropOntoPreview(session, nameCfg);
  EXPECT_EQ(session.readName(), name) << "by dropping the file";
  session.pressKeys(QStringLiteral("ctrl+z"));
  EXPECT_EQ(session.readName(), QStringLiteral("other"));
}

}  // namespace e2e
