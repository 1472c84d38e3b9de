// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings, slots, name.cfg and the clipboard after quitting, as a user meets
// them across two runs: read back from the settings file, name.cfg and the
// clipboard.
#include <QDir>
#include <QFile>

#include "session.h"
#include "walks.h"

namespace e2e {

TEST_F(E2eTest, FrameCloseTellsOfUnwrittenSettingsOnceAndEnds) {
  frameCloseTellsOnceAndEnds(session);
}

TEST_F(E2eTest, TwoCopiesRestoreWhatTheOtherSaved) {
  Session other;
  other.setEnvironment(QStringLiteral("XDG_CONFIG_HOME"), session.home() + "/.config");
  twoCopiesRestoreWhatTheOtherSaved(session, other);
}

TEST_F(E2eTest, SettingsSlotsAndNameCfgOutliveTheProgram) {
  // A game folder with a space in its name, holding the executable; the
  // browse window opens in the folder tintra is started in.
  const QString game = session.home() + QStringLiteral("/Veldmark Gold");
  session.setWorkingFolder(game + QStringLiteral("/main/scripts"));
  session.setWorkingFolder(game);
  QFile(game + QStringLiteral("/VeldmarkMP.exe")).open(QIODevice::WriteOnly);
  {
    QFile nameCfg(game + QStringLiteral("/main/scripts/name.cfg"));
    ASSERT_TRUE(nameCfg.open(QIODevice::WriteOnly));
    nameCfg.write("Name old\r\nbind x quit\r\n");
  }
  QFile::remove(session.settingsFile());

  // First run: the notice comes before the main window, once.
  session.launch();
  ASSERT_FALSE(session.waitForWindow(kNoticeTitle).isEmpty()) << "no first-run notice";
  EXPECT_TRUE(session.findAllWindows(Session::mainTitlePattern()).isEmpty())
      << "the main window waits behind the notice";
  ASSERT_TRUE(session.focusWindowTitled(kNoticeTitle));
  session.pressKeys(QStringLiteral("Return"));
  session.waitForMainWindow();
  EXPECT_EQ(session.settingsValue(QStringLiteral("First Run")), QStringLiteral("1"));

  // A slot, then the game folder through Configuration and Browse.
  session.setName(QStringLiteral("^4Blue Moon"));
  session.pressKeys(QStringLiteral("alt+a Right Return"));  // Saved > Save To Slot > Slot 1
  EXPECT_EQ(session.settingsValue(QStringLiteral("Slot1")), QStringLiteral("^4Blue Moon"));

  session.focusWindow(session.mainWindowId());
  session.pressKeys(QStringLiteral("alt+o"));
  ASSERT_TRUE(session.focusWindowTitled(kConfigurationTitle));
  session.pressKeys(QStringLiteral("Tab space"));  // ".." opens the browse window
  ASSERT_TRUE(session.focusWindowTitled(kBrowseTitle));
  session.pressKeys(QStringLiteral("Tab Tab space Tab space"));  // Set Location
  EXPECT_TRUE(session.waitForWindowGone(kBrowseTitle)) << "the browse window stayed open";
  EXPECT_EQ(session.settingsValue(QStringLiteral("Veldmark Location")), game);
  // Back in Configuration: switch "Save content on quit" on and close.
  ASSERT_TRUE(session.focusWindowTitled(kConfigurationTitle));
  session.pressKeys(QStringLiteral("Tab Tab Tab space Tab space"));
  EXPECT_TRUE(session.waitForWindowGone(kConfigurationTitle)) << "Configuration stayed open";
  EXPECT_EQ(session.settingsValue(QStringLiteral("Save On Quit")), QStringLiteral("1"));

  // name.cfg into the game folder, replacing the old one.
  session.setName(QStringLiteral("  ^1Red ^2Gr\u00fcn  "));
  session.focusWindow(session.mainWindowId());
  session.pressKeys(QStringLiteral("alt+x Right Return"));  // "Make name.cfg"
  ASSERT_TRUE(session.focusWindowTitled(kMakeNameCfgTitle));
  session.pressKeys(QStringLiteral("Return"));  // Yes, replace it
  ASSERT_TRUE(session.focusWindowTitled(kMakeNameCfgTitle));
  session.pressKeys(QStringLiteral("Return"));  // the confirmation
  EXPECT_EQ(fileBytes(game + QStringLiteral("/main/scripts/name.cfg")),
            QByteArray("Name ^1Red ^2Gr\xfcn\r\n"));

  // Quit with Yes: the name outlives the program on the clipboard.
  session.quitWithYes();
  EXPECT_TRUE(session.waitForWindowGone(Session::mainTitlePattern()))
      << "the main window stayed after Yes";
  EXPECT_EQ(session.settingsValue(QStringLiteral("Saved Name")),
            QStringLiteral("^1Red ^2Gr\u00fcn"));
  EXPECT_EQ(session.clipboardText(), QStringLiteral("  ^1Red ^2Gr\u00fcn  "));
  EXPECT_TRUE(session.findWindows(QStringLiteral(".")).isEmpty()) << "a window was left";
  EXPECT_TRUE(session.isRunning()) << "tintra ended without a clipboard manager to take the name";
  // Another program takes the clipboard over: tintra has nothing left to do.
  session.setClipboardText(QStringLiteral("other"));
  EXPECT_TRUE(session.waitForExit()) << "tintra kept running after the clipboard was taken over";
  EXPECT_EQ(session.clipboardText(), QStringLiteral("other"));

  // Second run: no notice, the name restored, slot 1 kept across runs.
  session.start();
  EXPECT_TRUE(session.findAllWindows(kNoticeTitle).isEmpty()) << "a notice on the second run";
  EXPECT_EQ(session.readName(), QStringLiteral("^1Red ^2Gr\u00fcn"));
  session.focusWindow(session.mainWindowId());
  session.pressKeys(QStringLiteral("alt+a Down Right Return"));  // Restore From Slot > Slot 1
  EXPECT_EQ(session.readName(), QStringLiteral("^4Blue Moon"));
  session.quitWithYes();
  EXPECT_TRUE(session.waitForWindowGone(Session::mainTitlePattern()));
  session.setClipboardText(QStringLiteral("other"));
  EXPECT_TRUE(session.waitForExit()) << "tintra did not end";
  EXPECT_EQ(session.settingsValue(QStringLiteral("Saved Name")), QStringLiteral("^4Blue Moon"));
}

}  // namespace e2e
