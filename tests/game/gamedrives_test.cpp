// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/gamedrives.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ostream>

#include "fakeplatform.h"
#include "game/folderlisting.h"
#include "game/windowspaths.h"
#include "unprivileged.h"

namespace {

const QFileDevice::Permissions kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                       QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                       QFile::ExeOther;

// One line a drive, compared as one text for a readable failure message.
std::string text(const QStringList& lines) {
  return lines.join(u'\n').toStdString();
}

QStringList lines(const QList<game::Drive>& drives) {
  QStringList out;
  for (const game::Drive& drive : drives) {
    out << drive.label + QStringLiteral(" = ") + drive.folder;
  }
  return out;
}

// The drives after the mounted file systems, from the home folder on.
QStringList fromHome(const QStringList& all) {
  const auto home = std::find_if(all.begin(), all.end(), [](const QString& line) {
    return line.startsWith(QStringLiteral("Home folder ("));
  });
  return {home, all.end()};
}

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// A temporary home holding one place of each kind, and a Steam library on
// "another disk" outside it, all open to the unprivileged user.
struct GameDrives : ::testing::Test {
  QTemporaryDir homeDir;
  QTemporaryDir diskDir;
  QTemporaryDir outDir;
  QString home;
  QString library;

  void SetUp() override {
    TINTRA_LINUX_ONLY("Wine and Steam's places on Linux, seen as another user");
    home = homeDir.path();
    library = diskDir.filePath(QStringLiteral("SteamLibrary"));
    for (const char* folder :
         {".wine/drive_c/Games/Veldmark", ".local/share/Steam/steamapps/common/Veldmark",
          ".local/share/Steam/steamapps/compatdata/2357570/pfx/drive_c",
          ".local/share/Steam/steamapps/compatdata/480/pfx/drive_c",
          ".local/share/Steam/steamapps/compatdata/228980",  // no prefix in it
          ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps", "Games/veldmark/drive_c",
          "Games/Heroic/Prefixes/Veldmark/drive_c", ".local/share/bottles/bottles/Veldmark/drive_c",
          ".local/share/bottles/bottles/Locked/drive_c",
          ".var/app/com.usebottles.bottles/data/bottles/bottles/Veldmark/drive_c",
          ".PlayOnLinux/wineprefix/Veldmark/drive_c", ".PlayOnLinux/wineprefix/Broken", ".steam",
          "Documents"}) {
      ASSERT_TRUE(QDir(home).mkpath(QString::fromLatin1(folder)));
    }
    ASSERT_TRUE(QDir().mkpath(library + QStringLiteral("/steamapps/common")));
    write(home + QStringLiteral("/.PlayOnLinux/wineprefix/Broken/drive_c"), "not a folder");
    ASSERT_TRUE(QFile::link(home + QStringLiteral("/.local/share/Steam"),
                            home + QStringLiteral("/.steam/steam")));
    // The installation's own folder, the second disk twice, one that is gone
    // and one that is not a path.
    write(home + QStringLiteral("/.local/share/Steam/steamapps/libraryfolders.vdf"),
          QStringLiteral("\"libraryfolders\" { \"0\" { \"path\" \"%1/.local/share/Steam\" }\n"
                         "\"1\" { \"path\" \"%2\" } \"2\" { \"path\" \"%2/\" }\n"
                         "\"3\" { \"path\" \"/nowhere/SteamLibrary\" } \"4\" { \"path\" \"D:\" } }")
              .arg(home, library)
              .toUtf8());
    write(home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/"
                                "libraryfolders.vdf"),
          QByteArray("\"libraryfolders\" { \"1\" { \"path\" \"/mn\xff\x00t", 30));
    openToEveryone();
    ASSERT_TRUE(
        QFile::setPermissions(home + QStringLiteral("/.local/share/bottles/bottles/Locked/drive_c"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  }

  void openToEveryone() const {
    for (const QString& top : {homeDir.path(), diskDir.path()}) {
      ASSERT_TRUE(QFile::setPermissions(top, kOpen));
    }
    ASSERT_TRUE(QFile::setPermissions(outDir.path(), kOpen | QFile::WriteOther));
  }

  // The drive list as the unprivileged user sees it (permissions do not
  // stop root), one "label = folder" a line.
  [[nodiscard]] QStringList drives(const QProcessEnvironment& environment = {}) const {
    const QString out = outDir.filePath(QStringLiteral("drives.txt"));
    QFile::remove(out);
    const int result = testing_support::runUnprivileged([&] {
      QFile file(out);
      const QByteArray text = lines(game::gameDrives(home, environment)).join(u'\n').toUtf8();
      return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    QFile file(out);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n')
                                          : QStringList();
  }
  QString inHome(const char* path) const { return home + u'/' + QString::fromLatin1(path); }
};

TEST_F(GameDrives, EachPlaceOnceWithItsLabelAfterTheMountedFileSystems) {
  const QStringList all = drives();
  ASSERT_FALSE(all.isEmpty());
  EXPECT_EQ(all.front(), QStringLiteral("/ = /"));
  const QString flatpakSteam =
      QStringLiteral("~/.var/app/com.valvesoftware.Steam/.local/share/Steam");
  const QStringList expected{
      QStringLiteral("Home folder (%1) = %1").arg(home),
      QStringLiteral("C: (Wine, ~/.wine) = ") + inHome(".wine/drive_c"),
      QStringLiteral("Steam library (~/.local/share/Steam) = ") + inHome(".local/share/Steam"),
      QStringLiteral("Steam games (~/.local/share/Steam) = ") +
          inHome(".local/share/Steam/steamapps/common"),
      QStringLiteral("C: (Proton 480) = ") +
          inHome(".local/share/Steam/steamapps/compatdata/480/pfx/drive_c"),
      QStringLiteral("C: (Proton 2357570) = ") +
          inHome(".local/share/Steam/steamapps/compatdata/2357570/pfx/drive_c"),
      QStringLiteral("Steam library (%1) = %1").arg(library),
      QStringLiteral("Steam games (%1) = %1/steamapps/common").arg(library),
      QStringLiteral("Steam library (%1) = ").arg(flatpakSteam) +
          inHome(".var/app/com.valvesoftware.Steam/.local/share/Steam"),
      QStringLiteral("C: (Lutris, veldmark) = ") + inHome("Games/veldmark/drive_c"),
      QStringLiteral("C: (Heroic, Veldmark) = ") + inHome("Games/Heroic/Prefixes/Veldmark/drive_c"),
      QStringLiteral("C: (Bottles, Veldmark) = ") +
          inHome(".local/share/bottles/bottles/Veldmark/drive_c"),
      QStringLiteral(
          "C: (Bottles, Veldmark, ~/.var/app/com.usebottles.bottles/data/bottles/bottles/Veldmark/"
          "drive_c) = ") +
          inHome(".var/app/com.usebottles.bottles/data/bottles/bottles/Veldmark/drive_c"),
      QStringLiteral("C: (PlayOnLinux, Veldmark) = ") +
          inHome(".PlayOnLinux/wineprefix/Veldmark/drive_c"),
  };
  EXPECT_EQ(text(fromHome(all)), text(expected));
}

// As on a Windows machine, whatever the system the tests run on: the
// registry spells Steam's folder in lower case with forward slashes, its
// libraryfolders.vdf as the disk does, and Windows ignores the difference.
TEST(WindowsGameDrives, DrivesThenEachSteamLibraryOnceWithItsGamesButNoPrefixes) {
  const QStringList onDisk{
      "C:/Program Files (x86)/Steam",
      "C:/Program Files (x86)/Steam/steamapps/common",
      "C:/Program Files (x86)/Steam/steamapps/compatdata/480/pfx/drive_c",
      "D:/SteamLibrary",
      "D:/SteamLibrary/steamapps/common",
  };
  QStringList vdfRead;
  const game::FolderLookup windowsDisk{
      [&](const QString& folder) {
        return std::any_of(onDisk.begin(), onDisk.end(), [&](const QString& there) {
          return game::windowsFolderKey(there) == game::windowsFolderKey(folder);
        });
      },
      [&](const QString& steam) {
        vdfRead << steam;
        return QStringList{"C:\\Program Files (x86)\\Steam", "d:\\steamlibrary\\", "E:\\Gone"};
      }};
  testing_support::FakePlatform platform;
  platform.windows = true;
  platform.drives = {"C:/", "D:/", "c:\\"};
  platform.steamFolder = "c:/program files (x86)/steam";
  const QStringList expected{
      "C:\\ = C:/",
      "D:\\ = D:/",
      "Steam library (C:\\Program Files (x86)\\Steam) = C:/Program Files (x86)/Steam",
      "Steam games (C:\\Program Files (x86)\\Steam) = C:/Program Files "
      "(x86)/Steam/steamapps/common",
      "Steam library (d:\\steamlibrary) = d:/steamlibrary",
      "Steam games (d:\\steamlibrary) = d:/steamlibrary/steamapps/common",
  };
  EXPECT_EQ(
      text(lines(game::windowsGameDrives(platform.drives, platform.steamFolder, windowsDisk))),
      text(expected));
  EXPECT_EQ(vdfRead, QStringList{"c:/program files (x86)/steam"});
  EXPECT_EQ(text(lines(game::windowsGameDrives(platform.drives, {}, windowsDisk))),
            text(expected.mid(0, 2)));
  platform.steamFolder.clear();
  EXPECT_EQ(text(lines(game::browseDrives(platform))), text(expected.mid(0, 2)));
}

// std::sort needs a strict weak ordering; a cycle such as 300 < 1942 <
// 2fast < 300 makes the sort undefined.
TEST(PrefixOrder, IsAStrictWeakOrdering) {
  const QStringList names{"300",     "1942",     "2fast",    "0480", "480",
                          "2357570", "Veldmark", "veldmark", "b",    "_x"};
  const auto equivalent = [](const QString& a, const QString& b) {
    return !game::comesBefore(a, b) && !game::comesBefore(b, a);
  };
  for (const QString& a : names) {
    EXPECT_FALSE(game::comesBefore(a, a)) << a.toStdString();
    for (const QString& b : names) {
      for (const QString& c : names) {
        const std::string triple = (a + u' ' + b + u' ' + c).toStdString();
        EXPECT_FALSE(game::comesBefore(a, b) && game::comesBefore(b, c) && !game::comesBefore(a, c))
            << triple;
        EXPECT_FALSE(equivalent(a, b) && equivalent(b, c) && !equivalent(a, c)) << triple;
      }
    }
  }
}

struct WinePrefixCase {
  const char* name;
  const char* prefix;  // "<home>" and "<elsewhere>" stand for the two folders
  QStringList wineLabels;
};

// The case by its name, in the listing of tests and in failures.
void PrintTo(const WinePrefixCase& prefixCase, std::ostream* out) {
  *out << prefixCase.name;
}

class WinePrefix : public GameDrives, public ::testing::WithParamInterface<WinePrefixCase> {};

TEST_P(WinePrefix, IsFollowedBeforeTheDefaultPrefix) {
  QTemporaryDir elsewhere;
  ASSERT_TRUE(QDir().mkpath(elsewhere.filePath(QStringLiteral("veldmark prefix/drive_c"))));
  ASSERT_TRUE(QFile::setPermissions(elsewhere.path(), kOpen));
  QString prefix = QString::fromLatin1(GetParam().prefix);
  prefix.replace(QStringLiteral("<home>"), home)
      .replace(QStringLiteral("<elsewhere>"), elsewhere.path());
  QProcessEnvironment environment;
  environment.insert(QStringLiteral("WINEPREFIX"), prefix);
  QStringList wine;
  for (const QString& line : drives(environment)) {
    if (line.startsWith(QStringLiteral("C: (Wine"))) {
      wine << QString(line)
                  .replace(elsewhere.path(), QStringLiteral("<elsewhere>"))
                  .replace(home, QStringLiteral("<home>"));
    }
  }
  EXPECT_EQ(text(wine), text(GetParam().wineLabels));
}

const QString kDefaultWine = QStringLiteral("C: (Wine, ~/.wine) = <home>/.wine/drive_c");

INSTANTIATE_TEST_SUITE_P(
    Environment, WinePrefix,
    ::testing::Values(WinePrefixCase{"elsewhere",
                                     "<elsewhere>/veldmark prefix/",
                                     {QStringLiteral("C: (Wine, <elsewhere>/veldmark prefix) = "
                                                     "<elsewhere>/veldmark prefix/drive_c"),
                                      kDefaultWine}},
                      WinePrefixCase{"the_default_one", "<home>/.wine", {kDefaultWine}},
                      WinePrefixCase{"missing", "<elsewhere>/gone", {kDefaultWine}},
                      WinePrefixCase{"relative", "veldmark prefix", {kDefaultWine}}),
    [](const ::testing::TestParamInfo<WinePrefixCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
