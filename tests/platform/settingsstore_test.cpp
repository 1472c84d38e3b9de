// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settingsstore.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "fakeplatform.h"
#include "permissionchecks.h"
#include "platform/filewriter.h"
#include "platform/qtplatform.h"
#include "platform/settingslocation.h"
#include "unprivileged.h"

namespace {

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString fileText(const QString& path) {
  return QString::fromUtf8(fileBytes(path));
}

// Probes that the folder really refuses new files.
bool permissionsBite(const QString& readOnlyFolder) {
  QFile probe(readOnlyFolder + QStringLiteral("/probe"));
  const bool written = probe.open(QIODevice::WriteOnly);
  probe.remove();
  return !written;
}

class SettingsStoreTest : public testing::Test {
 protected:
  QTemporaryDir folder_;
  QString path_ = folder_.filePath(QStringLiteral("Tintra/Tintra.ini"));
};

TEST_F(SettingsStoreTest, AbsentKeyGivesTheDefault) {
  platform::SettingsStore store(path_);
  EXPECT_EQ(
      store.get(QStringLiteral("Configuration"), QStringLiteral("First Run"), QStringLiteral("0")),
      QStringLiteral("0"));
  EXPECT_FALSE(QFileInfo::exists(path_)) << "reading must not create the file";
}

TEST_F(SettingsStoreTest, SavedValuesComeBackFromEachSection) {
  platform::SettingsStore store(path_);
  const struct {
    const char* section;
    const char* key;
    QString value;
  } entries[] = {
      {"Configuration", "Veldmark Location", QStringLiteral("/home/me/games/Veldmark MP")},
      {"Configuration", "Display Example", QStringLiteral("0")},
      {"Configuarion", "Saved Name", QString::fromUtf8("^1T\u00e9st\U0001F600")},
      {"Saved Names", "Slot2", QStringLiteral("a=b;c#d\\e\"f")},
      {"Saved Names", "Slot3", QString()},
  };
  for (const auto& entry : entries) {
    EXPECT_TRUE(store.save(entry.section, entry.key, entry.value)) << entry.key;
  }
  for (const auto& entry : entries) {
    EXPECT_EQ(store.get(entry.section, entry.key, QStringLiteral("default")), entry.value)
        << entry.key;
  }
}

TEST_F(SettingsStoreTest, TwoSectionsWithSimilarNamesStayApart) {
  platform::SettingsStore store(path_);
  ASSERT_TRUE(store.save(QStringLiteral("Configuarion"), QStringLiteral("Save On Quit"),
                         QStringLiteral("1")));
  EXPECT_EQ(store.get(QStringLiteral("Configuration"), QStringLiteral("Save On Quit"),
                      QStringLiteral("0")),
            QStringLiteral("0"));
}

TEST_F(SettingsStoreTest, SectionsAndKeysAreWrittenAsTheyAre) {
  platform::SettingsStore store(path_);
  ASSERT_TRUE(store.save(QStringLiteral("Configuarion"), QStringLiteral("Save On Quit"),
                         QStringLiteral("1")));
  ASSERT_TRUE(
      store.save(QStringLiteral("Saved Names"), QStringLiteral("Slot1"), QStringLiteral("^1Me")));
  EXPECT_EQ(fileText(path_),
            QStringLiteral("[Configuarion]\nSave On Quit=1\n\n[Saved Names]\nSlot1=^1Me\n"));
}

TEST_F(SettingsStoreTest, EachSaveReachesTheDiskAtOnce) {
  platform::SettingsStore store(path_);
  ASSERT_TRUE(store.save(QStringLiteral("Configuration"), QStringLiteral("First Run"),
                         QStringLiteral("1")));
  EXPECT_TRUE(fileText(path_).contains(QStringLiteral("First Run=1")));
  ASSERT_TRUE(store.save(QStringLiteral("Configuration"), QStringLiteral("First Run"),
                         QStringLiteral("2")));
  EXPECT_TRUE(fileText(path_).contains(QStringLiteral("First Run=2")));
}

TEST_F(SettingsStoreTest, ANewStoreReadsWhatAnEarlierOneSaved) {
  {
    platform::SettingsStore first(path_);
    ASSERT_TRUE(first.save(QStringLiteral("Configuarion"), QStringLiteral("Saved Name"),
                           QStringLiteral("^2Kept")));
  }
  platform::SettingsStore second(path_);
  EXPECT_EQ(second.get(QStringLiteral("Configuarion"), QStringLiteral("Saved Name"), {}),
            QStringLiteral("^2Kept"));
}

TEST_F(SettingsStoreTest, AHandEditedFileIsRead) {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QFile file(path_);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  // As a text editor might leave it: a byte-order mark, CR LF, a comment.
  file.write("\xEF\xBB\xBF[Configuration]\r\n; mine\r\nCopy On Close = 0\r\n");
  file.close();
  platform::SettingsStore store(path_);
  EXPECT_EQ(store.get(QStringLiteral("Configuration"), QStringLiteral("Copy On Close"),
                      QStringLiteral("1")),
            QStringLiteral("0"));
}

TEST_F(SettingsStoreTest, SavingCreatesTheMissingFolder) {
  platform::SettingsStore store(path_);
  EXPECT_TRUE(store.save(QStringLiteral("Configuration"), QStringLiteral("First Run"),
                         QStringLiteral("1")));
  EXPECT_TRUE(QFileInfo::exists(path_));
}

TEST_F(SettingsStoreTest, SaveIntoAReadOnlyFolderReportsFailure) {
  TINTRA_LINUX_ONLY("a folder's permissions");
  const QString readOnly = folder_.filePath(QStringLiteral("locked"));
  ASSERT_TRUE(QDir().mkpath(readOnly));
  ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
  const PermissionChecksEnforced enforced;
  ASSERT_TRUE(permissionsBite(readOnly)) << "the folder permissions do not hold";
  platform::SettingsStore store(readOnly + QStringLiteral("/Tintra.ini"));
  EXPECT_FALSE(store.save(QStringLiteral("Configuration"), QStringLiteral("First Run"),
                          QStringLiteral("1")));
  QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(SettingsStoreTest, SaveBelowAFileReportsFailure) {
  // Fails for every user, root included: a file stands where the folder goes.
  QFile blocker(folder_.filePath(QStringLiteral("Tintra")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  platform::SettingsStore store(path_);
  EXPECT_FALSE(store.save(QStringLiteral("Configuration"), QStringLiteral("First Run"),
                          QStringLiteral("1")));
}

// A change that cannot reach the file lasts for the rest of the run, and the
// next save that can writes it too.
TEST_F(SettingsStoreTest, AFailedSaveLastsForTheRunAndTheNextWriteKeepsIt) {
  TINTRA_LINUX_ONLY("a folder's permissions");
  const QString folder = QFileInfo(path_).absolutePath();
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const bool fileExists : {false, true}) {
    SCOPED_TRACE(fileExists ? "a file that cannot be replaced" : "a folder that cannot be written");
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(fileExists ? "[Saved Names]\nSlot2=two\n" : "");
    file.close();
    ASSERT_TRUE(fileExists || file.remove());
    const QString locked = fileExists ? path_ : folder;
    const QFile::Permissions permissions = QFile::permissions(locked);
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    const PermissionChecksEnforced enforced;
    platform::SettingsStore store(path_);
    EXPECT_FALSE(store.save("Saved Names", "Slot1", QStringLiteral("^4Blue")));
    EXPECT_EQ(store.get("Saved Names", "Slot1", "Slot Empty..."), QStringLiteral("^4Blue"));
    EXPECT_TRUE(store.hasWaitingChanges());
    EXPECT_FALSE(store.lastError().isEmpty());
    ASSERT_TRUE(QFile::setPermissions(locked, permissions));
    EXPECT_TRUE(store.save("Saved Names", "Slot3", QStringLiteral("three")));
    EXPECT_FALSE(store.hasWaitingChanges());
    EXPECT_EQ(fileText(path_), QStringLiteral("[Saved Names]\nSlot1=^4Blue\n%1Slot3=three\n")
                                   .arg(fileExists ? "Slot2=two\n" : ""));
  }
}

// Two copies of the program on one file: each save writes its own change
// only, and each read sees what the other wrote.
TEST_F(SettingsStoreTest, TwoCopiesOnOneFileKeepTheNewerValue) {
  platform::SettingsStore first(path_);
  platform::SettingsStore second(path_);
  ASSERT_TRUE(first.save("Saved Names", "Slot1", QStringLiteral("older")));
  EXPECT_EQ(second.get("Saved Names", "Slot1", {}), QStringLiteral("older"));
  ASSERT_TRUE(second.save("Saved Names", "Slot1", QStringLiteral("^2newer")));
  EXPECT_EQ(first.get("Saved Names", "Slot1", {}), QStringLiteral("^2newer"));
  ASSERT_TRUE(first.save("Saved Names", "Slot2", QStringLiteral("two")));
  EXPECT_EQ(fileText(path_), QStringLiteral("[Saved Names]\nSlot1=^2newer\nSlot2=two\n"));
  EXPECT_EQ(first.get("Saved Names", "Slot1", {}), QStringLiteral("^2newer"));
}

// One tick of the file's clock (two seconds on a FAT32 USB stick) holds both saves.
TEST_F(SettingsStoreTest, ASameSizeSaveIsReadWhateverTheFilesTime) {
  platform::SettingsStore first(path_);
  platform::SettingsStore second(path_);
  ASSERT_TRUE(first.save("Saved Names", "Slot1", QStringLiteral("^1Bob")));
  EXPECT_EQ(second.get("Saved Names", "Slot1", {}), QStringLiteral("^1Bob"));
  const QDateTime time = QFileInfo(path_).lastModified();
  ASSERT_TRUE(first.save("Saved Names", "Slot1", QStringLiteral("^4Bob")));
  QFile file(path_);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
  file.close();
  EXPECT_EQ(second.get("Saved Names", "Slot1", {}), QStringLiteral("^4Bob"));
}

// Two copies saving at once: a save that reported success stays until its
// key is saved again.
TEST_F(SettingsStoreTest, TwoProcessesSavingAtOnceLoseNoSave) {
  QProcess copies[2];
  for (int copy = 0; copy < 2; ++copy) {
    copies[copy].start(QCoreApplication::applicationFilePath(),
                       {"--save-loop", path_, QStringLiteral("Slot%1").arg(copy), "300"});
  }
  for (int copy = 0; copy < 2; ++copy) {
    ASSERT_TRUE(copies[copy].waitForFinished(120000));
    EXPECT_EQ(copies[copy].exitCode(), 0) << "saves lost by copy " << copy;
    const QString last = QString::fromLatin1(copies[copy].readAllStandardOutput()).trimmed();
    EXPECT_GT(last.toInt(), 250) << "most saves should get the lock";
    EXPECT_EQ(
        platform::SettingsStore(path_).get("Saved Names", QStringLiteral("Slot%1").arg(copy), {}),
        last);
  }
}

TEST_F(SettingsStoreTest, ASaveWaitsASecondForAnotherCopysLockAndTakesOverAStaleOne) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path_).absolutePath()));
  QLockFile other(path_ + QStringLiteral(".lock"));
  ASSERT_TRUE(other.lock());
  platform::SettingsStore store(path_);
  QElapsedTimer waited;
  waited.start();
  EXPECT_FALSE(store.save("Saved Names", "Slot1", QStringLiteral("one")));
  EXPECT_GE(waited.elapsed(), platform::SettingsStore::kPatienceMs);
  other.unlock();
  QFile stale(path_ + QStringLiteral(".lock"));  // as a copy that crashed an hour ago left it
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly) && stale.write("?") == 1 && stale.flush());
  stale.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
  stale.close();
  EXPECT_TRUE(store.save("Saved Names", "Slot2", QStringLiteral("two")));
  EXPECT_EQ(fileText(path_), QStringLiteral("[Saved Names]\nSlot1=one\nSlot2=two\n"));
}

TEST_F(SettingsStoreTest, AFileInUseIsTriedAgainOtherFailuresAreNot) {
  for (const bool inUse : {true, false}) {
    int calls = 0;
    platform::SettingsStore store(path_, [&](const QString& path, const QByteArray& bytes) {
      return ++calls <= 2 ? platform::WriteResult{false, QStringLiteral("busy"), inUse}
                          : platform::replaceFileAtomically(path, bytes);
    });
    EXPECT_EQ(store.save("Saved Names", "Slot1", QStringLiteral("one")), inUse);
    EXPECT_EQ(calls, inUse ? 3 : 1);
  }
}

// As Notepad saves it: "Unicode", "Unicode big endian", "ANSI", "UTF-8".
TEST_F(SettingsStoreTest, NotepadsEncodingsAreReadAndSavedAsUtf8) {
  const QString text = QStringLiteral("[Saved Names]\r\nSlot1=Cr\u00e9ations \u20ac\r\n");
  const auto bom = QStringConverter::Flag::WriteBom;
  for (const QByteArray& bytes :
       {QByteArray(QStringEncoder(QStringConverter::Utf16LE, bom).encode(text)),
        QByteArray(QStringEncoder(QStringConverter::Utf16BE, bom).encode(text)),
        QByteArray("[Saved Names]\r\nSlot1=Cr\xE9"
                   "ations \x80"),
        text.toUtf8()}) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path_).absolutePath()));
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    platform::SettingsStore store(path_);
    EXPECT_EQ(store.get("Saved Names", "Slot1", {}), QStringLiteral("Cr\u00e9ations \u20ac"));
    ASSERT_TRUE(store.save("Saved Names", "Slot2", QStringLiteral("x")));
    EXPECT_EQ(fileBytes(path_), QByteArray("[Saved Names]\nSlot1=Cr\xC3\xA9"
                                           "ations \xE2\x82\xAC\nSlot2=x\n"));
  }
}

TEST_F(SettingsStoreTest, WithoutAFileChangesLastForTheRun) {
  platform::SettingsStore store{QString()};
  EXPECT_FALSE(store.save("Saved Names", "Slot1", QStringLiteral("kept")));
  EXPECT_EQ(store.get("Saved Names", "Slot1", {}), QStringLiteral("kept"));
  EXPECT_TRUE(store.hasWaitingChanges());
}

// Decided from what the platform says: a Windows copy with the marker beside
// it is portable, an installed Linux program never is.
TEST(SettingsLocation, APortableWindowsCopyKeepsItsSettingsBesideItself) {
  QTemporaryDir program;
  testing_support::FakePlatform windows;
  windows.windows = true;
  windows.userFolder = QStringLiteral("C:/Users/anna/AppData/Roaming");
  windows.programDir = program.path();
  testing_support::FakePlatform linux = windows;
  linux.windows = false;
  const auto fileOf = [](const testing_support::FakePlatform& platform) {
    return platform::settingsFilePath(platform::settingsPlacesOf(platform));
  };
  const QString roaming = QStringLiteral("C:/Users/anna/AppData/Roaming/Tintra/Tintra.ini");
  EXPECT_EQ(fileOf(windows), roaming);
  QFile(program.filePath(platform::kPortableMarker)).open(QIODevice::WriteOnly);
  EXPECT_EQ(fileOf(windows), program.filePath(QStringLiteral("Tintra.ini")));
  EXPECT_EQ(fileOf(linux), roaming);
  linux.userFolder.clear();
  EXPECT_EQ(fileOf(linux), QString()) << "no folder at all";
}

TEST(SettingsLocation, APortableCopyWithoutAFileStartsFromTheInstalledProgramsOnce) {
  QTemporaryDir machine;
  testing_support::FakePlatform windows;
  windows.windows = true;
  windows.userFolder = machine.filePath(QStringLiteral("Roaming"));
  windows.programDir = machine.filePath(QStringLiteral("zip"));
  const platform::SettingsPlaces places = platform::settingsPlacesOf(windows);
  const QString installed = windows.userFolder + QStringLiteral("/Tintra/Tintra.ini");
  ASSERT_TRUE(QDir().mkpath(windows.programDir) &&
              QDir().mkpath(QFileInfo(installed).absolutePath()));
  QFile(windows.programDir + u'/' + platform::kPortableMarker).open(QIODevice::WriteOnly);
  EXPECT_EQ(platform::carryOverInstalledSettings(places), QString()) << "no installed file";
  QFile file(installed);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[Saved Names]\nSlot1=^1Me\n") > 0);
  file.close();
  EXPECT_EQ(platform::carryOverInstalledSettings(places), installed);
  EXPECT_EQ(fileText(platform::settingsFilePath(places)),
            QStringLiteral("[Saved Names]\nSlot1=^1Me\n"));
  EXPECT_EQ(platform::carryOverInstalledSettings(places), QString()) << "it has its own now";
}

// What the real platform says on the system the tests run on.
TEST(SettingsLocation, IsTheRoamingFolderOnWindowsAndXdgConfigHomeElseDotConfig) {
  const platform::QtPlatform system;
  if (system.windowsFileNames()) {
    EXPECT_EQ(system.userSettingsFolder(),
              QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")));
    EXPECT_EQ(system.programFolder(), QCoreApplication::applicationDirPath());
    return;
  }
  const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
  const QByteArray savedHome = qgetenv("HOME");
  QTemporaryDir home;
  qputenv("HOME", QFile::encodeName(home.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("xdg"))));
  EXPECT_EQ(platform::settingsFilePath(platform::settingsPlacesOf(system)),
            home.filePath(QStringLiteral("xdg/Tintra/Tintra.ini")));
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(platform::settingsFilePath(platform::settingsPlacesOf(system)),
            home.filePath(QStringLiteral(".config/Tintra/Tintra.ini")));
  qputenv("HOME", savedHome);
  if (!savedXdg.isNull()) {
    qputenv("XDG_CONFIG_HOME", savedXdg);
  }
}

}  // namespace
