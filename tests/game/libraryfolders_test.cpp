// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/libraryfolders.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <ostream>

namespace {

struct VdfCase {
  const char* name;
  QByteArray vdf;
  QStringList paths;
};

// The case by its name, in the listing of tests and in failures.
void PrintTo(const VdfCase& vdfCase, std::ostream* out) {
  *out << vdfCase.name;
}

// Steam's own layout, as written since 2021.
const QByteArray kCurrent = R"("libraryfolders"
{
	"0"
	{
		"path"		"/home/anna/.local/share/Steam"
		"label"		""
		"apps"
		{
			"228980"		"1234"
			"path"		"/not/a/library"
		}
	}
	"1"
	{
		"label"		"second disk"
		"path"		"/mnt/games/SteamLibrary"
	}
}
)";

class SteamLibraryPaths : public ::testing::TestWithParam<VdfCase> {};

TEST_P(SteamLibraryPaths, ReadsWhatCanBeReadAndSkipsTheRest) {
  EXPECT_EQ(game::steamLibraryPaths(GetParam().vdf), GetParam().paths);
}

const QString kHome = QStringLiteral("/home/anna/.local/share/Steam");
const QString kSecond = QStringLiteral("/mnt/games/SteamLibrary");

INSTANTIATE_TEST_SUITE_P(
    Vdf, SteamLibraryPaths,
    ::testing::Values(
        VdfCase{"current_layout", kCurrent, {kHome, kSecond}},
        VdfCase{
            "older_layout_numbered_keys",
            R"("LibraryFolders" { "TimeNextStatsReport" "1690000000" "1" "/mnt/games/SteamLibrary" })",
            {kSecond}},
        VdfCase{"escapes_and_comments",
                "// written by hand\n\"libraryfolders\" { \"0\" { \"path\" "
                "\"/mnt/my \\\"games\\\"\\\\lib\" } }",
                {QStringLiteral("/mnt/my \"games\"\\lib")}},
        VdfCase{"bare_words", "libraryfolders { 0 { path /mnt/games/SteamLibrary } }", {kSecond}},
        VdfCase{"relative_and_empty_paths_skipped",
                R"("libraryfolders" { "0" { "path" "games/lib" } "1" { "path" "" } })",
                {}},
        VdfCase{"another_top_level_block", R"("config" { "0" { "path" "/mnt/games" } })", {}},
        VdfCase{
            "cut_off_inside_a_string", kCurrent.left(kCurrent.indexOf("/mnt/games") + 4), {kHome}},
        VdfCase{"unbalanced_closing_braces",
                "}}} \"libraryfolders\" { \"0\" { \"path\" \"/mnt/games/SteamLibrary\" } } }",
                {kSecond}},
        VdfCase{"never_closed",
                R"("libraryfolders" { "0" { "path" "/mnt/games/SteamLibrary")",
                {kSecond}},
        VdfCase{"binary_garbage", QByteArray("\x00\xff{\"\x01\"}}{{\\", 10), {}},
        VdfCase{"nested_beyond_reason_stops_the_reading",
                QByteArray("\"libraryfolders\" { \"0\" { \"path\" \"/a\" }") +
                    QByteArray(100000, '{') + QByteArray(100000, '}') +
                    "\"1\" { \"path\" \"/b\" } }",
                {QStringLiteral("/a")}}),
    [](const ::testing::TestParamInfo<VdfCase>& info) { return std::string(info.param.name); });

TEST(SteamLibraryPathsLimits, AtMostSoManyLibrariesAreTaken) {
  QByteArray vdf = "\"libraryfolders\" {";
  for (int i = 0; i < 1000; ++i) {
    vdf += QStringLiteral("\"%1\" { \"path\" \"/lib/%1\" }").arg(i).toUtf8();
  }
  const QStringList paths = game::steamLibraryPaths(vdf + '}');
  ASSERT_EQ(paths.size(), game::kLibraryFoldersMaxPaths);
  EXPECT_EQ(paths.front(), QStringLiteral("/lib/0"));
}

struct ReadSteamLibraryPaths : ::testing::Test {
  QTemporaryDir steam;
  QString vdf;
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(steam.filePath(QStringLiteral("steamapps"))));
    vdf = steam.filePath(QStringLiteral("steamapps/libraryfolders.vdf"));
  }
  void write(const QByteArray& bytes) const {
    QFile file(vdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
};

TEST_F(ReadSteamLibraryPaths, ReadsTheListOfTheInstallation) {
  write(kCurrent);
  EXPECT_EQ(game::readSteamLibraryPaths(steam.path()), QStringList({kHome, kSecond}));
}

TEST_F(ReadSteamLibraryPaths, AMissingFileGivesNone) {
  EXPECT_TRUE(game::readSteamLibraryPaths(steam.path()).isEmpty());
}

TEST_F(ReadSteamLibraryPaths, AFileLargerThanTheLimitIsNotRead) {
  write(kCurrent + QByteArray(game::kLibraryFoldersMaxBytes - kCurrent.size(), ' '));
  EXPECT_EQ(game::readSteamLibraryPaths(steam.path()).size(), 2);  // at the limit
  write(kCurrent + QByteArray(game::kLibraryFoldersMaxBytes - kCurrent.size() + 1, ' '));
  EXPECT_TRUE(game::readSteamLibraryPaths(steam.path()).isEmpty());
}

TEST_F(ReadSteamLibraryPaths, AFolderOrAPipeInItsPlaceGivesNoneWithoutWaiting) {
  ASSERT_TRUE(QDir().mkdir(vdf));
  EXPECT_TRUE(game::readSteamLibraryPaths(steam.path()).isEmpty());
  ASSERT_TRUE(QDir().rmdir(vdf));
#ifndef _WIN32  // Windows has no named pipes in its file system
  ASSERT_EQ(mkfifo(QFile::encodeName(vdf).constData(), 0600), 0);
  QElapsedTimer timer;
  timer.start();
  EXPECT_TRUE(game::readSteamLibraryPaths(steam.path()).isEmpty());  // no writer: would block
  EXPECT_LT(timer.elapsed(), 5000);
#endif
}

}  // namespace
