// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settingsstore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qtplatform.h"
#include "settings/globalvars.h"
#include "unprivileged.h"

namespace {

using platform::SettingsStore;

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

settings::GlobalVars loadFrom(const QString& path) {
  platform::QtPlatform store{SettingsStore(path)};
  settings::GlobalVars globals;
  settings::loadSettings(store, globals);
  return globals;
}

struct Store : ::testing::Test {
  QTemporaryDir folder;
  QString path() const { return folder.filePath(QStringLiteral("Tintra/Tintra.ini")); }
};

TEST_F(Store, AMissingFileReadsAsEmpty) {
  const settings::GlobalVars globals = loadFrom(path());
  EXPECT_EQ(globals.gameLocation, QStringLiteral("Browse for file ->"));
  EXPECT_EQ(globals.firstRun, 0);
  EXPECT_EQ(globals.copyOnClose, 1);
  EXPECT_FALSE(QFile::exists(path()));  // reading writes nothing
}

TEST_F(Store, AHandEditedFileIsReadAsFarAsItMakesSense) {
  writeFile(path(),
            "\xEF\xBB\xBF[Configuration]\r\n"
            "Veldmark Location = /games/Veldmark Gold \r\n"
            "First Run=1\r\n"
            "Copy On Close=99999\r\n"
            "this line means nothing\r\n"
            "[Configuarion\r\n"
            "=no key\r\n"
            "\x01\xFF\xFE garbage\r\n"
            "[Configuarion]\r\n"
            "Save On Quit=on\r\n"
            "Saved Name=\"  ^1spaced  \"\r\n");
  const settings::GlobalVars globals = loadFrom(path());
  EXPECT_EQ(globals.gameLocation, QStringLiteral("/games/Veldmark Gold"));
  EXPECT_EQ(globals.firstRun, 1);
  EXPECT_EQ(globals.copyOnClose, 1);  // out of range: the default
  EXPECT_EQ(globals.saveOnQuit, 0);   // not a number: the default
  EXPECT_EQ(globals.savedName, QStringLiteral("  ^1spaced  "));
}

TEST_F(Store, AnUnreadableFileReadsAsEmptyAndIsNotOverwritten) {
  ASSERT_TRUE(QDir().mkpath(path()));  // a folder where the file should be
  SettingsStore store(path());
  EXPECT_EQ(
      store.get(QStringLiteral("Configuration"), QStringLiteral("First Run"), QStringLiteral("0")),
      QStringLiteral("0"));
  EXPECT_FALSE(store.save(QStringLiteral("Configuration"), QStringLiteral("First Run"),
                          QStringLiteral("1")));
  EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(Store, SavesAreOnDiskAtOnceAndKeepOtherEntries) {
  writeFile(path(), "[Saved Names]\nSlot3=three\n");
  SettingsStore store(path());
  ASSERT_TRUE(store.save(QStringLiteral("Configuarion"), QStringLiteral("Save On Quit"),
                         QStringLiteral("1")));
  QFile file(path());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("[Configuarion]\nSave On Quit=1\n\n"
                                       "[Saved Names]\nSlot3=three\n"));
}

TEST_F(Store, AReadOnlyConfigFolderFailsTheSave) {
  TINTRA_LINUX_ONLY("runs as another user");
  const QString config = folder.filePath(QStringLiteral("Tintra"));
  writeFile(path(), "[Saved Names]\nSlot1=one\n");
  const auto open = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                    QFile::ReadOther | QFile::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(folder.path(), open | QFile::WriteOwner));
  ASSERT_TRUE(QFile::setPermissions(config, open));
  ASSERT_TRUE(QFile::setPermissions(path(), open | QFile::WriteOwner | QFile::WriteOther));
  const QString file = path();
  const int result = testing_support::runUnprivileged([&file] {
    SettingsStore store(file);
    const bool saved =
        store.save(QStringLiteral("Saved Names"), QStringLiteral("Slot1"), QStringLiteral("two"));
    const bool stillRead =
        store.get(QStringLiteral("Saved Names"), QStringLiteral("Slot1"), QString()) != QString();
    return (saved ? 1 : 0) + (stillRead ? 0 : 2);
  });
  EXPECT_EQ(result, 0) << "1: the save was reported as kept; 2: the file could not be read";
  QFile unchanged(path());
  ASSERT_TRUE(unchanged.open(QIODevice::ReadOnly));
  EXPECT_EQ(unchanged.readAll(), QByteArray("[Saved Names]\nSlot1=one\n"));
}

TEST_F(Store, AFileInPlaceOfTheConfigFolderFailsTheSave) {
  writeFile(folder.filePath(QStringLiteral("Tintra")), "not a folder");
  SettingsStore store(path());
  EXPECT_FALSE(
      store.save(QStringLiteral("Saved Names"), QStringLiteral("Slot1"), QStringLiteral("x")));
}

}  // namespace
