// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A Linux player's road to name.cfg: the game inside a Wine prefix under the
// hidden ~/.wine, found through the Configuration and browse windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <ostream>

#include "fakeplatform.h"
#include "game/namecfg.h"
#include "settings/settingstable.h"
#include "ui/frmbrowse.h"
#include "ui/frmconfig.h"
#include "unprivileged.h"

namespace {

using testing_support::FakePlatform;

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct Road {
  const char* name;
  const char* driveKey;  // typed into the drive list, as a player picks by keyboard
  const char* driveLabel;
  QStringList folders;  // opened one after the other from the drive's folder
};

// The case by its name, in the listing of tests and in failures.
void PrintTo(const Road& road, std::ostream* out) {
  *out << road.name;
}

class WineBrowse : public ::testing::TestWithParam<Road> {
 protected:
  FakePlatform platform;
  settings::GlobalVars globals;
  QWidget owner;
  QTemporaryDir home;
  QString game;
  QByteArray savedHome;
  QByteArray savedPrefix;

  void SetUp() override {
    TINTRA_LINUX_ONLY("Wine's places on Linux");
    game = home.filePath(QStringLiteral(".wine/drive_c/Games/Veldmark"));
    for (const QString& folder :
         {game + QStringLiteral("/main/scripts"), home.filePath(QStringLiteral("Documents")),
          home.filePath(QStringLiteral(".wine/drive_c/windows"))}) {
      ASSERT_TRUE(QDir().mkpath(folder));
    }
    QFile executable(game + QStringLiteral("/veldmarkmp.exe"));
    ASSERT_TRUE(executable.open(QIODevice::WriteOnly));
    savedHome = qgetenv("HOME");
    savedPrefix = qgetenv("WINEPREFIX");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("WINEPREFIX");
    platform.writeToDisk = true;
  }
  void TearDown() override {
    qputenv("HOME", savedHome);
    if (!savedPrefix.isEmpty()) {
      qputenv("WINEPREFIX", savedPrefix);
    }
  }
  static void activate(QWidget* window) {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
  }
  static void open(QListWidget* dir1, const QString& name) {
    const QList<QListWidgetItem*> found = dir1->findItems(name, Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    dir1->setCurrentItem(found.front());
    QTest::keyClick(dir1, Qt::Key_Return);
  }
};

TEST_P(WineBrowse, SetLocationStoresTheGameFolderAndNameCfgGoesIntoItsScripts) {
  settings::loadSettings(platform, globals);
  ui::FrmConfig* config = ui::showConfig(platform, globals, &owner);
  activate(config);
  QTest::mouseClick(config->findChild<QPushButton*>(QStringLiteral("cmdBrowse")), Qt::LeftButton);
  auto* browse = qobject_cast<ui::FrmBrowse*>(platform.shownWindows.back());
  ASSERT_NE(browse, nullptr);
  browse->setAttribute(Qt::WA_DeleteOnClose, false);

  auto* drive1 = browse->findChild<QComboBox*>(QStringLiteral("Drive1"));
  QTest::keyClicks(drive1, QString::fromLatin1(GetParam().driveKey));
  QString label = QString::fromLatin1(GetParam().driveLabel);
  label.replace(QStringLiteral("<home>"), home.path());
  ASSERT_EQ(drive1->currentText().toStdString(), label.toStdString());
  auto* dir1 = browse->findChild<QListWidget*>(QStringLiteral("Dir1"));
  for (const QString& folder : GetParam().folders) {
    open(dir1, folder);
  }
  ASSERT_EQ(browse->folder(), game);
  // The drive list shows the drive the folder lies on, the deepest one.
  EXPECT_EQ(drive1->currentText(), QStringLiteral("C: (Wine, ~/.wine)"));

  auto* file1 = browse->findChild<QListWidget*>(QStringLiteral("File1"));
  ASSERT_EQ(file1->count(), 1);
  EXPECT_EQ(file1->item(0)->text(), QStringLiteral("veldmarkmp.exe"));
  const QRect where = file1->visualItemRect(file1->item(0));
  ASSERT_FALSE(where.isEmpty());
  QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, where.center());
  QTest::mouseClick(browse->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  EXPECT_TRUE(platform.messages.isEmpty());
  EXPECT_EQ(platform.savedKeys,
            QStringList{QStringLiteral("Configuration/Veldmark Location=") + game});
  EXPECT_EQ(platform.unloadedWindows, QList<QWidget*>{browse});

  activate(config);
  EXPECT_EQ(config->findChild<QLineEdit*>(QStringLiteral("fileLocation"))->text(), game);

  ASSERT_TRUE(game::makeNameCfg(platform, globals, QStringLiteral(" ^1Tin^7tra ")));
  ASSERT_EQ(platform.messages.size(), 2);  // the question, then the confirmation
  EXPECT_EQ(platform.messages[0].prompt,
            QStringLiteral("This will replace any name.cfg file that already exsists in your ") +
                game + QStringLiteral("/main/scripts folder. Do you wish to continue?"));
  EXPECT_EQ(readAll(game + QStringLiteral("/main/scripts/name.cfg")),
            QByteArray("Name ^1Tin^7tra\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Roads, WineBrowse,
    ::testing::Values(Road{"from_the_wine_drive",
                           "C",
                           "C: (Wine, ~/.wine)",
                           {QStringLiteral("Games"), QStringLiteral("Veldmark")}},
                      Road{"by_hand_from_the_home_folder_through_hidden_folders",
                           "H",
                           "Home folder (<home>)",
                           {QStringLiteral(".wine"), QStringLiteral("drive_c"),
                            QStringLiteral("Games"), QStringLiteral("Veldmark")}}),
    [](const ::testing::TestParamInfo<Road>& info) { return std::string(info.param.name); });

}  // namespace
