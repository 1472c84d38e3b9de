// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/namecfg.h"

#include <gtest/gtest.h>

#include "game/namecfgreader.h"
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "fakeplatform.h"
#include "settings/settingstable.h"
#include "unprivileged.h"

namespace {

using testing_support::FakePlatform;
namespace answer = platform::answer;

const QString kCreated = QStringLiteral(
    "Your name.cfg file has now been created.  For details of how to use this file click the "
    "help button.");

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Either system's names, whatever the system the tests run on.
TEST(NameCfgText, PathAndQuestionFollowTheStoredFolder) {
  const struct {
    bool windows;
    const char *folder, *path, *asked, *root, *rootPath;
  } systems[] = {
      {true, "C:\\Games\\Veldmark", "C:\\Games\\Veldmark\\main\\scripts\\name.cfg",
       "C:\\Games\\Veldmark\\main\\scripts", "C:\\", "C:\\\\main\\scripts\\name.cfg"},
      {false, "/games/Veldmark", "/games/Veldmark/main/scripts/name.cfg",
       "/games/Veldmark/main/scripts", "/", "//main/scripts/name.cfg"},
  };
  for (const auto& system : systems) {
    const QString folder = QString::fromUtf8(system.folder);
    EXPECT_EQ(game::nameCfgPath(folder, system.windows), QString::fromUtf8(system.path));
    EXPECT_EQ(game::nameCfgPath(QString::fromUtf8(system.root), system.windows),
              QString::fromUtf8(system.rootPath));
    EXPECT_EQ(game::replaceQuestion(u' ' + folder + u' ', system.windows),
              QStringLiteral("This will replace any name.cfg file that already exsists in your "
                             "%1 folder. Do you wish to continue?")
                  .arg(QString::fromUtf8(system.asked)));
  }
}

TEST(NameCfgText, ContentIsNameTrimmedAndCrLf) {
  EXPECT_EQ(game::nameCfgContent(QStringLiteral("  ^1a b  ")).bytes, QByteArray("Name ^1a b\r\n"));
  EXPECT_EQ(game::nameCfgContent(QString()).bytes, QByteArray("Name \r\n"));
}

struct MakeNameCfg : ::testing::Test {
  FakePlatform platform;
  settings::GlobalVars globals;
  QTemporaryDir game;
  QString scripts;
  QString file;

  void SetUp() override {
    scripts = game.filePath(QStringLiteral("main/scripts"));
    ASSERT_TRUE(QDir().mkpath(scripts));
    file = scripts + QStringLiteral("/name.cfg");
    globals.gameLocation = QDir::toNativeSeparators(game.path());  // as the browse window stores it
    platform.writeToDisk = true;
  }
  bool make(const QString& name) { return game::makeNameCfg(platform, globals, name); }
  // The one failure message, checked for its title, icon, path and reason.
  void expectFailure(const QString& reason) {
    ASSERT_EQ(platform.messages.size(), 2);  // the question, then the failure
    const FakePlatform::Message& failure = platform.messages.back();
    EXPECT_EQ(failure.title, QStringLiteral("Make name.cfg"));
    EXPECT_EQ(failure.style, 16);
    EXPECT_TRUE(failure.prompt.contains(QDir::toNativeSeparators(file)))
        << failure.prompt.toStdString();
    EXPECT_TRUE(failure.prompt.contains(reason, Qt::CaseInsensitive))
        << failure.prompt.toStdString();
  }
};

TEST_F(MakeNameCfg, NoFolderChosenStopsBeforeAnything) {
  globals.gameLocation = settings::kNoGameLocation;
  EXPECT_FALSE(make(QStringLiteral("^1a")));
  ASSERT_EQ(platform.messages.size(), 1);
  EXPECT_EQ(platform.messages[0].prompt,
            QStringLiteral("You have not yet selected the location of your Veldmark folder.  "
                           "Please select Config on the task bar to set this location."));
  EXPECT_EQ(platform.messages[0].style, 16);
  EXPECT_TRUE(platform.writtenFiles.isEmpty());
}

TEST_F(MakeNameCfg, ReplacesAnOldFileWithExactlyOneLine) {
  writeBytes(file, "Name old\r\nbind x quit\r\nmore and more old lines\r\n");
  EXPECT_TRUE(make(QStringLiteral("  ^1Tar nwick é ")));
  EXPECT_EQ(readAll(file), QByteArray("Name ^1Tar nwick \xE9\r\n"));
  ASSERT_EQ(platform.messages.size(), 2);
  EXPECT_EQ(platform.messages[0].style, 68);
  EXPECT_EQ(platform.messages[0].prompt,
            game::replaceQuestion(globals.gameLocation, platform.windowsFileNames()));
  EXPECT_EQ(platform.messages[1].prompt, kCreated);
  EXPECT_EQ(platform.messages[1].style, 64);
  EXPECT_EQ(platform.messages[1].title, QStringLiteral("Make name.cfg"));
  EXPECT_EQ(QDir(scripts).entryList(QDir::Files), QStringList{QStringLiteral("name.cfg")});
}

TEST_F(MakeNameCfg, AFolderStoredWithItsTrailingSeparatorWritesThroughTheDoubledOne) {
  globals.gameLocation = QDir::toNativeSeparators(game.path() + u'/');
  EXPECT_TRUE(make(QString()));
  EXPECT_EQ(platform.writtenFiles.keys(),
            QStringList{QDir::toNativeSeparators(game.path() + "//main/scripts/name.cfg")});
  EXPECT_EQ(readAll(file), QByteArray("Name \r\n"));
}

TEST_F(MakeNameCfg, NoMeansNothingIsWritten) {
  platform.scriptedAnswers = {answer::kNo};
  EXPECT_FALSE(make(QStringLiteral("^1a")));
  EXPECT_EQ(platform.messages.size(), 1);
  EXPECT_FALSE(QFile::exists(file));
}

TEST_F(MakeNameCfg, CharactersTheGameCannotReadAreNamedAndTheOldFileKept) {
  writeBytes(file, "Name old\r\n");
  EXPECT_FALSE(make(QStringLiteral("^1☺ Ж")));
  ASSERT_EQ(platform.messages.size(), 1);  // not even asked
  EXPECT_EQ(platform.messages[0].style, 16);
  EXPECT_TRUE(
      platform.messages[0].prompt.contains(QStringLiteral("\"☺\" (U+263A), \"Ж\" (U+0416)")));
  EXPECT_EQ(readAll(file), QByteArray("Name old\r\n"));
}

TEST_F(MakeNameCfg, ManyForeignCharactersAreNamedByTheFirstFewAndACount) {
  QString ideographs;  // 1,000 different ones, each 20 times
  for (char16_t code = 0x4E00; code < 0x4E00 + 1000; ++code) {
    ideographs += QChar(code);
  }
  EXPECT_FALSE(make(ideographs.repeated(20)));
  ASSERT_EQ(platform.messages.size(), 1);
  EXPECT_TRUE(platform.messages[0].prompt.contains(QStringLiteral(
      ": \"一\" (U+4E00), \"丁\" (U+4E01), \"丂\" (U+4E02), \"七\" (U+4E03), \"丄\" (U+4E04) "
      "and 995 more.")))
      << platform.messages[0].prompt.left(300).toStdString();
}

TEST_F(MakeNameCfg, AMissingScriptsFolderIsReportedAndNotCreated) {
  ASSERT_TRUE(QDir(scripts).removeRecursively());
  EXPECT_FALSE(make(QStringLiteral("^1a")));
  expectFailure(QStringLiteral("does not exist"));
  EXPECT_FALSE(QFileInfo::exists(scripts));
}

TEST_F(MakeNameCfg, AFolderInTheWayIsReported) {
  ASSERT_TRUE(QDir().mkpath(file));
  EXPECT_FALSE(make(QStringLiteral("^1a")));
  expectFailure(QStringLiteral("folder of that name"));
  EXPECT_TRUE(QFileInfo(file).isDir());
}

TEST_F(MakeNameCfg, AReadOnlyFileIsReportedAndKept) {
  writeBytes(file, "Name old\r\n");
  ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  EXPECT_FALSE(make(QStringLiteral("^1a")));
  expectFailure(QStringLiteral("read-only"));
  EXPECT_EQ(readAll(file), QByteArray("Name old\r\n"));
}

TEST_F(MakeNameCfg, AFolderWithoutWritePermissionIsReportedAndTheFileKept) {
  TINTRA_LINUX_ONLY("runs as another user");
  writeBytes(file, "Name old\r\n");
  const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                        QFile::ReadOther | QFile::ExeOther;
  for (const QString& folder : {game.path(), game.filePath(QStringLiteral("main")), scripts}) {
    ASSERT_TRUE(QFile::setPermissions(folder, readable | QFile::WriteOwner));
  }
  ASSERT_TRUE(QFile::setPermissions(scripts, readable));
  ASSERT_TRUE(QFile::setPermissions(file, readable | QFile::WriteOwner | QFile::WriteOther));
  // As another user the folder is read-only; the file itself would be writable.
  const int result = testing_support::runUnprivileged([this] {
    const bool made = make(QStringLiteral("^1a"));
    const bool told = platform.messages.size() == 2 && platform.messages[1].style == 16 &&
                      platform.messages[1].prompt.contains(file) &&
                      platform.messages[1].prompt.contains(QStringLiteral("ermission"));
    return (made ? 1 : 0) + (told ? 0 : 2);
  });
  EXPECT_EQ(result, 0) << "1: reported as written; 2: not reported with path and reason";
  EXPECT_EQ(readAll(file), QByteArray("Name old\r\n"));
}

TEST_F(MakeNameCfg, AWriteCutShortLeavesTheOldFileAsItWas) {
  TINTRA_LINUX_ONLY("a file size limit");
  writeBytes(file, "Name old\r\n");
  const int result = testing_support::runInChild([this] {
#ifndef _WIN32
    std::signal(SIGXFSZ, SIG_IGN);  // NOLINT(cert-err33-c)
    const rlimit limit{4, 4};       // files may not grow beyond 4 bytes
    setrlimit(RLIMIT_FSIZE, &limit);
#endif
    return make(QStringLiteral("^1a long name")) ? 1 : 0;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(readAll(file), QByteArray("Name old\r\n"));
  EXPECT_EQ(QDir(scripts).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("name.cfg")});
}

TEST_F(MakeNameCfg, AFullDiskIsReportedAndLeavesTheOldFileAsItWas) {
  TINTRA_LINUX_ONLY("a small tmpfs");
  const QByteArray folder = QFile::encodeName(scripts);
  const int result = testing_support::runWithSmallDisk(folder.constData(), 16, [this] {
    QFile old(file);
    if (!old.open(QIODevice::WriteOnly) || old.write("Name old\r\n") != 10) {
      return 10;
    }
    old.close();
    QFile filler(scripts + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly)) {
      return 10;
    }
    while (filler.write(QByteArray(1024, 'x')) > 0 && filler.flush()) {
    }
    filler.close();
    const bool made = make(QStringLiteral("^1a"));
    const bool told = platform.messages.size() == 2 && platform.messages[1].style == 16 &&
                      platform.messages[1].prompt.contains(QStringLiteral("space"));
    const bool kept = readAll(file) == QByteArray("Name old\r\n");
    return (made ? 1 : 0) + (told ? 0 : 2) + (kept ? 0 : 4);
  });
  if (result < 0) {
    GTEST_SKIP() << "no tmpfs can be mounted here";
  }
  EXPECT_EQ(result, 0) << "1: reported as written; 2: not reported; 4: old file changed";
}

// --- Load name.cfg ---

TEST(NameCfgReading, TakesTheFirstNameLine) {
  const struct {
    QByteArray file;
    std::optional<QString> name;
  } cases[] = {
      {game::nameCfgContent(QStringLiteral(" ^1Tar nwick é€ ")).bytes,
       QStringLiteral("^1Tar nwick é€")},
      {"Name \r\n", QString()},
      {"bind x quit\n\t NAME \t^2a b \t\r\nname other\n", QStringLiteral("^2a b")},
      {"nAmE x", QStringLiteral("x")},  // no line end at all
      {"\xC0\x81\x9F\n", std::nullopt},
      {"Namer x\r\n// Name x\r\nseta name x\r\n", std::nullopt},
      {"Name \xC0\x81\x9F\x80", QStringLiteral("\u00C0\u0081\u0178\u20AC")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(game::nameFromNameCfg(c.file), c.name) << c.file.toStdString();
  }
}

TEST_F(MakeNameCfg, LoadReadsBackWhatMakeWroteAndTellsWhyElse) {
  const QString name = QStringLiteral("^1Tar ^2nwick é");
  ASSERT_TRUE(make(u' ' + name + u' '));
  EXPECT_EQ(game::loadNameCfg(platform, globals), name);
  platform.messages.clear();
  const struct {
    QByteArray file;
    const char* told;
  } failures[] = {{"bind x quit\r\n", "holds no name line"},
                  {QByteArray(game::kNameCfgMaxBytes + 1, ' '), "over 64 kB. Nothing was read"},
                  {{}, "There is no file"}};
  for (const auto& failure : failures) {
    QFile::remove(file);
    if (!failure.file.isEmpty()) {
      writeBytes(file, failure.file);
    }
    EXPECT_EQ(game::loadNameCfg(platform, globals), std::nullopt);
    ASSERT_FALSE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.messages.back().prompt.contains(QString::fromUtf8(failure.told)));
    EXPECT_TRUE(platform.messages.back().prompt.contains(QDir::toNativeSeparators(file)));
    EXPECT_EQ(platform.messages.back().title, QStringLiteral("Load name.cfg"));
  }
  globals.gameLocation = settings::kNoGameLocation;
  EXPECT_EQ(game::loadNameCfg(platform, globals), std::nullopt);
  EXPECT_EQ(platform.messages.back().prompt, game::kNoFolderMessage);
}

}  // namespace
