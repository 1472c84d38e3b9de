// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmbrowse.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "fakeplatform.h"
#include "game/folderlisting.h"
#include "settings/settingstable.h"

namespace {

using testing_support::FakePlatform;

QStringList texts(const QListWidget* list) {
  QStringList out;
  for (int row = 0; row < list->count(); ++row) {
    out << list->item(row)->text().trimmed();
  }
  return out;
}

// Drives labelled with their own folders, as the mounted file systems are.
QList<game::Drive> drives(const QStringList& folders) {
  QList<game::Drive> list;
  for (const QString& folder : folders) {
    list.append({folder, folder});
  }
  return list;
}

void touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(FolderListing, DrivesPutTheRootFirstWithoutRepeats) {
  const QString root = QDir::rootPath();
  EXPECT_EQ(game::orderDrives({QStringLiteral("/media/usb"), root, QStringLiteral("/media/usb")}),
            QStringList({root, QStringLiteral("/media/usb")}));
  EXPECT_EQ(game::mountedDrives().value(0), root);
}

TEST(FolderListing, APathBelongsToTheDeepestDriveItLiesUnder) {
  const QStringList drives{QStringLiteral("/"), QStringLiteral("/media/usb")};
  EXPECT_EQ(game::driveOf(QStringLiteral("/media/usb/games"), drives),
            QStringLiteral("/media/usb"));
  EXPECT_EQ(game::driveOf(QStringLiteral("/media/usb2"), drives), QStringLiteral("/"));
  EXPECT_EQ(game::driveOf(QStringLiteral("/media/usb"), drives), QStringLiteral("/media/usb"));
}

// The drive of the folder the tests run in: "/", or "Z:/" under Wine.
QString currentDrive() {
  return QDir::currentPath().section(u'/', 0, 0) + u'/';
}

struct Browse : ::testing::Test {
  FakePlatform platform;
  settings::GlobalVars globals;
  QTemporaryDir root;
  QString gameFolder;
  std::unique_ptr<ui::FrmBrowse> window;

  void SetUp() override {
    gameFolder = root.filePath(QStringLiteral("Veldmark Gold"));
    ASSERT_TRUE(QDir().mkpath(gameFolder + QStringLiteral("/main")));
    touch(gameFolder + QStringLiteral("/VeldmarkMP.exe"));
    touch(gameFolder + QStringLiteral("/veldmark.exe"));
    touch(gameFolder + QStringLiteral("/readme.txt"));
    window =
        std::make_unique<ui::FrmBrowse>(platform, globals, drives({currentDrive(), root.path()}));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
  }
  template <typename T>
  T* child(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  void selectFile(int row) { child<QListWidget>("File1")->setCurrentRow(row); }
};

TEST_F(Browse, OpensAtTheCurrentFolderWithNamedControls) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Browse for Veldmark"));
  EXPECT_EQ(window->folder(), QDir::currentPath());
  EXPECT_EQ(child<QPushButton>("Command1")->text(), QStringLiteral("Set Location"));
  EXPECT_EQ(child<QPushButton>("close")->text(), QStringLiteral("Close"));
  EXPECT_EQ(child<QComboBox>("Drive1")->count(), 2);
  EXPECT_EQ(child<QComboBox>("Drive1")->itemText(0), currentDrive());
}

TEST_F(Browse, OpeningAFolderListsItsFoldersAndOnlyTheGameExecutable) {
  ASSERT_TRUE(window->openFolder(gameFolder));
  EXPECT_EQ(child<QComboBox>("Drive1")->currentText(), root.path());
  EXPECT_TRUE(texts(child<QListWidget>("Dir1")).endsWith(QStringLiteral("main")));
  EXPECT_EQ(texts(child<QListWidget>("File1")), QStringList{QStringLiteral("VeldmarkMP.exe")});
}

TEST_F(Browse, ActivatingAFolderInTheListOpensIt) {
  ASSERT_TRUE(window->openFolder(gameFolder));
  auto* dir1 = child<QListWidget>("Dir1");
  const auto found = dir1->findItems(QStringLiteral("main"), Qt::MatchEndsWith);
  ASSERT_EQ(found.size(), 1);
  emit dir1->itemActivated(found.front());
  EXPECT_EQ(window->folder(), gameFolder + QStringLiteral("/main"));
  EXPECT_TRUE(texts(child<QListWidget>("File1")).isEmpty());
}

TEST_F(Browse, HiddenFoldersAreListedAfterTheOthers) {
  for (const char* name : {".wine", "alpha", ".cache", "Zeta"}) {
    ASSERT_TRUE(QDir(root.path()).mkdir(QString::fromLatin1(name)));
  }
  ASSERT_TRUE(window->openFolder(root.path()));
  const QStringList listed = texts(child<QListWidget>("Dir1"));
  EXPECT_EQ(
      listed.mid(listed.indexOf(QDir(root.path()).dirName()) + 1),
      QStringList({QStringLiteral("alpha"), QStringLiteral("Veldmark Gold"), QStringLiteral("Zeta"),
                   QStringLiteral(".cache"), QStringLiteral(".wine")}));
}

TEST_F(Browse, SetLocationWithoutTheExecutableSelectedStoresNothing) {
  ASSERT_TRUE(window->openFolder(gameFolder));
  window->Command1_Click();
  ASSERT_EQ(platform.messages.size(), 1);
  EXPECT_EQ(platform.messages[0].prompt,
            QStringLiteral("Please located the VELDMARKMP.EXE file. Then click SET LOCATION."));
  EXPECT_EQ(platform.messages[0].style, 64);
  EXPECT_EQ(platform.messages[0].title, QStringLiteral("Set Location"));
  EXPECT_TRUE(platform.savedKeys.isEmpty());
  EXPECT_TRUE(platform.unloadedWindows.isEmpty());
}

TEST_F(Browse, SetLocationStoresTheFolderOfTheExecutableInAnyCase) {
  ASSERT_TRUE(window->openFolder(gameFolder));
  selectFile(0);
  window->Command1_Click();
  EXPECT_TRUE(platform.messages.isEmpty());
  // As Windows writes paths there, with backslashes.
  const QString stored = QDir::toNativeSeparators(gameFolder);
  EXPECT_EQ(platform.savedKeys,
            QStringList{QStringLiteral("Configuration/Veldmark Location=") + stored});
  EXPECT_EQ(globals.gameLocation, stored);  // loaded again
  EXPECT_EQ(platform.unloadedWindows, QList<QWidget*>{window.get()});
}

TEST_F(Browse, AnExecutableAtARootStoresTheRootWithItsSeparator) {
  const QString rootFolder = QDir::rootPath();
  ASSERT_TRUE(window->openFolder(rootFolder));
  auto* file1 = child<QListWidget>("File1");
  file1->addItem(QStringLiteral("veldmarkmp.EXE"));  // as if it were there
  selectFile(file1->count() - 1);
  window->Command1_Click();
  EXPECT_EQ(platform.settings.value(QStringLiteral("Configuration/Veldmark Location")),
            QDir::toNativeSeparators(rootFolder));
}

TEST_F(Browse, CloseStoresNothing) {
  ASSERT_TRUE(window->openFolder(gameFolder));
  selectFile(0);
  window->close_Click();
  EXPECT_TRUE(platform.savedKeys.isEmpty());
  EXPECT_EQ(platform.unloadedWindows.size(), 1);
}

TEST_F(Browse, AFolderThatCannotBeReadIsReportedAndTheListsStayUsable) {
  ASSERT_TRUE(window->openFolder(gameFolder));
  const QString gone = root.filePath(QStringLiteral("gone"));
  EXPECT_FALSE(window->openFolder(gone));
  ASSERT_EQ(platform.messages.size(), 1);
  EXPECT_TRUE(platform.messages[0].prompt.contains(QDir::toNativeSeparators(gone)));
  EXPECT_EQ(platform.messages[0].title, QStringLiteral("Browse for Veldmark"));
  EXPECT_EQ(window->folder(), gameFolder);
  EXPECT_EQ(texts(child<QListWidget>("File1")), QStringList{QStringLiteral("VeldmarkMP.exe")});
}

TEST_F(Browse, ADriveThatCannotBeReadKeepsTheDriveListWhereItWas) {
  const QString missing = root.filePath(QStringLiteral("unplugged"));
  window = std::make_unique<ui::FrmBrowse>(platform, globals, drives({"/", missing}));
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  auto* drive1 = child<QComboBox>("Drive1");
  const QString before = window->folder();
  drive1->setCurrentIndex(1);
  window->Drive1_Change();
  EXPECT_EQ(platform.messages.size(), 1);
  EXPECT_EQ(window->folder(), before);
  EXPECT_EQ(drive1->currentText(), QStringLiteral("/"));
  drive1->setCurrentIndex(0);
  window->Drive1_Change();
  EXPECT_EQ(window->folder(), QStringLiteral("/"));
}

}  // namespace
