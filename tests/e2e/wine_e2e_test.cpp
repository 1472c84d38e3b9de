// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows downloads under Wine, used as a Windows player would use them:
// tintra.exe started from the unpacked zip, and the installer run silently;
// and what they carry: the Windows readme, the terms of every component, the
// licence page, the source archives beside them.
// The same harness drives it as the Linux program; Wine draws the window's
// frame itself, and its clipboard is the X server's.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

#include "previewpixels.h"
#include "session.h"
#include "walks.h"
#include "winemachine.h"

namespace e2e {
namespace {

// A session of tintra.exe in the Wine machine, with no settings file yet.
void useWindowsProgram(Session& session, const QString& exe, const QString& settingsFile) {
  session.setProgram(QStringLiteral("wine"), {exe});
  session.setSettingsFile(settingsFile);
  QFile::remove(session.settingsFile());
}

// The zip's copy is portable: its marker keeps the settings beside it.
void useZipProgram(Session& session) {
  useWindowsProgram(session, wineMachine().unpacked() + QStringLiteral("/tintra.exe"),
                    wineMachine().unpacked() + QStringLiteral("/Tintra.ini"));
}

// The preview of a typed name once drawn, read back from the client area.
QImage previewOf(Session& session, const QString& name) {
  session.start();
  if (::testing::Test::HasFatalFailure()) {
    return {};
  }
  session.pressKeys(QStringLiteral("ctrl+a"));
  session.typeText(name);
  return session.waitForClient([](const QImage& image) {
    return hasInk(image, 0, kRed) && hasInk(image, 3, kBlue) && !hasInk(image, 4, kWhite);
  });
}

// The downloads' common start, "build/windows/Tintra-1.2.2", and their version.
QString downloadsPrefix() {
  return qEnvironmentVariable("TINTRA_WINDOWS_ZIP")
      .remove(QRegularExpression(QStringLiteral("-win64\\.zip$")));
}
QString version() {
  return downloadsPrefix().section(u'-', -1);
}

// The values of a registry key, as "reg query" lists them; empty when there is no such key.
QMap<QString, QString> registryValues(const QString& key) {
  const RunResult listed =
      wineMachine().wine({QStringLiteral("reg"), QStringLiteral("query"), key});
  QMap<QString, QString> values;
  static const QRegularExpression kValue(QStringLiteral("^\\s+(\\S+)\\s+REG_\\w+\\s+(.*?)\\s*$"));
  for (const QString& line : listed.output.split(u'\n')) {
    const QRegularExpressionMatch match = kValue.match(line);
    if (listed.exitCode == 0 && match.hasMatch()) {
      values.insert(match.captured(1), match.captured(2));
    }
  }
  return values;
}

const QString kUninstallKey =
    QStringLiteral("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tintra");

}  // namespace

TEST(WineE2e, ZipCarriesTheWindowsReadmeAndTheTermsOfEveryComponent) {
  const QString readme =
      QString::fromUtf8(fileBytes(wineMachine().unpacked() + QStringLiteral("/readme.txt")));
  EXPECT_TRUE(readme.contains(QStringLiteral("%APPDATA%\\Tintra\\Tintra.ini")))
      << "not the Windows readme";
  EXPECT_TRUE(readme.contains(QStringLiteral("Tintra-%1-qt-source.tar.xz").arg(version())));
  for (const QString& linuxOnly : {QStringLiteral("~/.config"), QStringLiteral("./run.sh")}) {
    EXPECT_FALSE(readme.contains(linuxOnly)) << "the readme speaks of " << linuxOnly.toStdString();
  }

  // licenses/README.txt: a block per component, its name first, then its
  // version, licence and file.
  const QString licenses = wineMachine().unpacked() + QStringLiteral("/licenses/");
  const QStringList blocks = QString::fromUtf8(fileBytes(licenses + QStringLiteral("README.txt")))
                                 .split(QStringLiteral("\n\n"));
  const struct {
    const char* component;
    const char* licence;
  } kComponents[] = {{"Qt (", "LGPL-3"},   {"FreeType", "FTL"},          {"HarfBuzz", "Harfbuzz"},
                     {"libpng", "libpng"}, {"libjpeg-turbo", "libjpeg"}, {"zlib", "Zlib"},
                     {"PCRE2", "BSD"},     {"mingw-w64 runtime", "ZPL"}, {"Tintra", "GPL-3.0"}};
  for (const auto& [component, licence] : kComponents) {
    const auto block = std::find_if(blocks.begin(), blocks.end(), [&](const QString& text) {
      return text.contains(QStringLiteral("File:")) &&
             text.section(u'\n', 0, 0).contains(QLatin1String(component), Qt::CaseInsensitive);
    });
    if (block == blocks.end()) {
      ADD_FAILURE() << "licenses/README.txt does not list " << component;
      continue;
    }
    EXPECT_TRUE(block->contains(QStringLiteral("Licence: ")) &&
                block->contains(QLatin1String(licence)))
        << component << ": " << block->toStdString();
    const QString terms = QString::fromUtf8(
        fileBytes(licenses + block->section(QStringLiteral("File:"), 1).trimmed()));
    EXPECT_TRUE(terms.contains(QStringLiteral("Copyright"), Qt::CaseInsensitive) &&
                terms.size() > 1000)
        << component << ": no licence text and copyright notice in its file";
  }
}

TEST(WineE2e, SourceArchivesUnpackBesideTheDownloads) {
  const QTemporaryDir unpacked;
  for (const QString& archive :
       {QStringLiteral("-source.tar.xz"), QStringLiteral("-qt-source.tar.xz")}) {
    EXPECT_EQ(runTool(QStringLiteral("tar"),
                      {QStringLiteral("-xJf"), downloadsPrefix() + archive, QStringLiteral("-C"),
                       unpacked.path()},
                      120000)
                  .exitCode,
              0)
        << archive.toStdString() << " did not unpack";
  }
  const QDir source(unpacked.filePath(QStringLiteral("Tintra-%1-source").arg(version())));
  EXPECT_TRUE(source.exists(QStringLiteral("CMakeLists.txt")) &&
              source.exists(QStringLiteral("scripts/build-windows-qt.sh")));
  const QDir qt(unpacked.filePath(QStringLiteral("Tintra-%1-qt-source").arg(version())));
  for (const QString& pattern : {QStringLiteral("*.dsc"), QStringLiteral("*.orig.tar.xz"),
                                 QStringLiteral("*.debian.tar.xz")}) {
    EXPECT_EQ(qt.entryList({pattern}, QDir::Files).size(), 1)
        << "the Qt source lacks " << pattern.toStdString();
  }
  EXPECT_FALSE(QDir(qt.filePath(QStringLiteral("patches")))
                   .entryList({QStringLiteral("*.patch")})
                   .isEmpty());
  EXPECT_TRUE(QString::fromUtf8(fileBytes(qt.filePath(QStringLiteral("README.txt"))))
                  .contains(QStringLiteral("-DCMAKE_TOOLCHAIN_FILE=")))
      << "the Qt source does not say how Qt was configured";
}

TEST(WineE2e, InstallerShowsTheProjectsLicence) {
  Session installer;
  installer.setProgram(QStringLiteral("wine"), {qEnvironmentVariable("TINTRA_WINDOWS_SETUP")});
  installer.launch();
  ASSERT_TRUE(installer.focusWindowTitled(QStringLiteral(" Setup$")));
  installer.pressKeys(QStringLiteral("Return"));  // Next, to the licence page
  // The licence text fills the page's middle: copy it all.
  const QString page = installer.waitForWindow(QStringLiteral(" Setup$"));
  const QRect frame = installer.windowGeometry(page);
  installer.clickWindow(page, {frame.width() / 2, frame.height() / 2});
  installer.pressKeys(QStringLiteral("ctrl+a ctrl+c"));
  const QString shown = installer.clipboardText();
  EXPECT_TRUE(shown.contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")) &&
              shown.contains(QStringLiteral("Version 3, 29 June 2007")))
      << "the licence page shows: " << shown.left(200).toStdString();
  installer.kill();  // before it installs anything
}

TEST(WineE2e, ZipRunsAndDrawsATypedNameAsOnLinux) {
  const QString name = QStringLiteral("^1Hh^4Ee");
  Session linux;
  const QImage expected = previewOf(linux, name);
  ASSERT_FALSE(expected.isNull());
  linux.kill();

  Session windows;
  useZipProgram(windows);
  windows.markFirstRunDone();
  const QImage shown = previewOf(windows, name);
  ASSERT_FALSE(shown.isNull());
  windows.grabScreen()
      .copy(windows.mainWindowRect())
      .save(screenshotPath(QStringLiteral("wine-main.png")));

  // The same cells, in the same colours and sizes: Windows draws the glyphs
  // with its own rasteriser, so their edges may differ by a pixel.
  EXPECT_EQ(panelShade(shown), panelShade(expected));
  const QRgb colours[] = {kRed, kRed, kBlue, kBlue};
  for (int cell = 0; cell < 4; ++cell) {
    const Ink want = inkOf(expected, cell, colours[cell]);
    const Ink got = inkOf(shown, cell, colours[cell]);
    EXPECT_NEAR(got.box.top(), want.box.top(), 1) << "cell " << cell;
    EXPECT_NEAR(got.box.bottom(), want.box.bottom(), 1) << "cell " << cell;
    EXPECT_NEAR(got.box.left(), want.box.left(), 2) << "cell " << cell;
    EXPECT_NEAR(got.box.right(), want.box.right(), 2) << "cell " << cell;
    EXPECT_NEAR(got.pixels, want.pixels, want.pixels / 3) << "cell " << cell;
  }
  for (int cell = 4; cell < 18; ++cell) {
    EXPECT_TRUE(shown.copy(previewCellColumn(cell)) == expected.copy(previewCellColumn(cell)))
        << "cell " << cell << " differs";
  }
  EXPECT_EQ(windows.readName(), name);
}

TEST(WineE2e, NameCfgSettingsAndClipboardOutliveTheProgram) {
  Session session;
  useZipProgram(session);
  // The game on C:, holding its executable; tintra is started in its folder,
  // where the browse window opens.
  const QString game = wineMachine().linuxPath(QStringLiteral("C:\\Games\\Veldmark"));
  session.setWorkingFolder(game + QStringLiteral("/main/scripts"));
  session.setWorkingFolder(game);
  QFile(game + QStringLiteral("/VELDMARKMP.EXE")).open(QIODevice::WriteOnly);

  session.launch();
  ASSERT_TRUE(session.focusWindowTitled(kNoticeTitle)) << "no first-run notice";
  session.pressKeys(QStringLiteral("Return"));
  session.waitForMainWindow();
  EXPECT_EQ(session.settingsValue(QStringLiteral("First Run")), QStringLiteral("1"))
      << "no settings in Tintra.ini beside the zip's tintra.exe";

  session.pressKeys(QStringLiteral("alt+o"));
  ASSERT_TRUE(session.focusWindowTitled(kConfigurationTitle));
  session.pressKeys(QStringLiteral("Tab space"));  // ".." opens the browse window
  ASSERT_TRUE(session.focusWindowTitled(kBrowseTitle));
  session.pressKeys(QStringLiteral("Tab Tab space Tab space"));  // Set Location
  EXPECT_TRUE(session.waitForWindowGone(kBrowseTitle)) << "the browse window stayed open";
  EXPECT_EQ(session.settingsValue(QStringLiteral("Veldmark Location")),
            QStringLiteral("C:\\Games\\Veldmark"));
  // Windows gives the activation back to the main window, and Wine takes no
  // focus from outside: the player opens Configuration again.
  session.focusWindow(session.mainWindowId());
  session.pressKeys(QStringLiteral("alt+o"));
  ASSERT_TRUE(session.focusWindowTitled(kConfigurationTitle));
  session.pressKeys(QStringLiteral("Tab Tab Tab space Tab space"));  // Save On Quit, Close
  EXPECT_TRUE(session.waitForWindowGone(kConfigurationTitle)) << "Configuration stayed open";

  session.setName(QStringLiteral("^1Tin^7tra"));
  session.focusWindow(session.mainWindowId());
  session.pressKeys(QStringLiteral("alt+x Right Return"));  // "Make name.cfg"
  ASSERT_TRUE(session.focusWindowTitled(kMakeNameCfgTitle));
  session.pressKeys(QStringLiteral("Return"));  // Yes
  ASSERT_TRUE(session.focusWindowTitled(kMakeNameCfgTitle));
  session.pressKeys(QStringLiteral("Return"));  // the confirmation
  EXPECT_EQ(fileBytes(game + QStringLiteral("/main/scripts/name.cfg")),
            QByteArray("Name ^1Tin^7tra\r\n"));

  // Windows keeps the clipboard once the program has ended.
  session.quitWithYes();
  EXPECT_TRUE(session.waitForExit()) << "tintra.exe kept running after Yes";
  EXPECT_EQ(session.clipboardText(), QStringLiteral("^1Tin^7tra"));
  EXPECT_EQ(session.settingsValue(QStringLiteral("Saved Name")), QStringLiteral("^1Tin^7tra"));

  session.start();
  EXPECT_EQ(session.readName(), QStringLiteral("^1Tin^7tra")) << "the name was not restored";
}

TEST(WineE2e, FrameCloseTellsOfUnwrittenSettingsOnceAndEnds) {
  Session session;
  useZipProgram(session);
  frameCloseTellsOnceAndEnds(session);
  session.kill();
  QDir(session.settingsFile()).removeRecursively();
}

TEST(WineE2e, TwoCopiesRestoreWhatTheOtherSaved) {
  Session first;
  Session second;
  useZipProgram(first);
  useZipProgram(second);
  first.markFirstRunDone();
  twoCopiesRestoreWhatTheOtherSaved(first, second);
}

TEST(WineE2e, ThePictureIsThePreviewAtTwiceItsSizeAndALoadedNameCfgIsOneUndoStep) {
  Session session;
  useZipProgram(session);
  session.markFirstRunDone();
  const QString game = wineMachine().linuxPath(QStringLiteral("C:\\Games\\Shared"));
  ASSERT_TRUE(QDir().mkpath(game + QStringLiteral("/main/scripts")));
  QFile settings(session.settingsFile());
  ASSERT_TRUE(settings.open(QIODevice::Append));
  settings.write("Veldmark Location=C:\\Games\\Shared\n");
  settings.close();
  session.start();
  pictureIsThePreviewAtTwiceItsSize(session, QStringLiteral("C:\\shared.png"),
                                    wineMachine().linuxPath(QStringLiteral("C:\\shared.png")));
  nameCfgLoadsBackAsOneStep(session, game + QStringLiteral("/main/scripts/name.cfg"));
}

// A player of the earlier zip, which kept the settings where the installed
// program does, finds their names in the portable copy, and is told once.
TEST(WineE2e, ThePortableCopyTakesOverTheInstalledProgramsSettings) {
  const QString installed = wineMachine().appData() + QStringLiteral("/Tintra/Tintra.ini");
  ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).absolutePath()));
  QFile file(installed);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "[Configuration]\r\nFirst Run=1\r\n[Configuarion]\r\nSave On Quit=1\r\nSaved "
      "Name=^2Kept\r\n");
  file.close();
  Session session;
  useZipProgram(session);
  session.launch();
  ASSERT_TRUE(session.focusWindowTitled(QStringLiteral("^Veldmark Name Colorizer$")))
      << "not told that the settings were copied";
  session.pressKeys(QStringLiteral("Return"));
  session.waitForMainWindow();
  EXPECT_EQ(session.readName(), QStringLiteral("^2Kept"));
  EXPECT_EQ(session.settingsValue(QStringLiteral("Saved Name")), QStringLiteral("^2Kept"));
  session.restart();  // told once: the main window comes at once
  session.kill();
  QFile::remove(installed);
  QFile::remove(session.settingsFile());
}

TEST(WineE2e, InstallerInstallsSilentlyAndItsUninstallerKeepsTheSettings) {
  const QString installer = qEnvironmentVariable("TINTRA_WINDOWS_SETUP");
  ASSERT_TRUE(QFileInfo(installer).isFile()) << "TINTRA_WINDOWS_SETUP names no installer";
  ASSERT_EQ(wineMachine().wine({installer, QStringLiteral("/S")}).exitCode, 0);
  const QString folder = wineMachine().linuxPath(QStringLiteral("C:\\Program Files\\Tintra"));
  EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/tintra.exe")));
  EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/platforms/qwindows.dll")));
  const QString shortcut = wineMachine().linuxPath(
      QStringLiteral("C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\"
                     "Veldmark Name Colorizer\\Veldmark Name Colorizer.lnk"));
  EXPECT_TRUE(QFileInfo::exists(shortcut)) << "no Start-menu entry";
  EXPECT_EQ(fileBytes(folder + QStringLiteral("/readme.txt")),
            fileBytes(wineMachine().unpacked() + QStringLiteral("/readme.txt")));
  EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/licenses/README.txt")));

  // Windows' list of installed apps.
  const QMap<QString, QString> app = registryValues(kUninstallKey);
  EXPECT_EQ(app.value(QStringLiteral("DisplayName")), QStringLiteral("Veldmark Name Colorizer"));
  EXPECT_EQ(app.value(QStringLiteral("DisplayVersion")), version());
  EXPECT_EQ(app.value(QStringLiteral("Publisher")), QStringLiteral("The Tintra developers"));
  EXPECT_EQ(app.value(QStringLiteral("DisplayIcon")),
            QStringLiteral("C:\\Program Files\\Tintra\\tintra.exe"));
  EXPECT_TRUE(app.value(QStringLiteral("HelpLink")).endsWith(QStringLiteral("/tintra")));
  // Its size in KiB: the Qt DLLs alone take more than 10 MB.
  EXPECT_GT(app.value(QStringLiteral("EstimatedSize")).toInt(nullptr, 16), 10000);

  EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/portable.txt")))
      << "the installed program is not portable";

  // The installed program keeps its settings in the user's profile.
  Session session;
  useWindowsProgram(session, QStringLiteral("C:\\Program Files\\Tintra\\tintra.exe"),
                    wineMachine().appData() + QStringLiteral("/Tintra/Tintra.ini"));
  session.launch();
  ASSERT_TRUE(session.focusWindowTitled(kNoticeTitle)) << "no first-run notice";
  session.pressKeys(QStringLiteral("Return"));
  session.waitForMainWindow();
  EXPECT_EQ(session.settingsValue(QStringLiteral("First Run")), QStringLiteral("1"))
      << "no settings in %APPDATA%\\Tintra\\Tintra.ini";
  session.kill();

  // The uninstaller copies itself away and runs from there: wait for it,
  // to the last thing it takes away.
  wineMachine().wine(
      {QStringLiteral("C:\\Program Files\\Tintra\\Uninstall.exe"), QStringLiteral("/S")});
  for (int wait = 0; wait < 100 && (QFileInfo::exists(folder) || QFileInfo::exists(shortcut) ||
                                    !registryValues(kUninstallKey).isEmpty());
       ++wait) {
    QThread::msleep(200);
  }
  EXPECT_FALSE(QFileInfo::exists(folder)) << "the uninstaller left the program's folder";
  EXPECT_FALSE(QFileInfo::exists(shortcut)) << "the uninstaller left the Start-menu entry";
  EXPECT_TRUE(registryValues(kUninstallKey).isEmpty()) << "still in the list of installed apps";
  EXPECT_TRUE(QFileInfo::exists(session.settingsFile())) << "the uninstaller took the settings";
}

}  // namespace e2e
