// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "winemachine.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

namespace e2e {

WineMachine& wineMachine() {
  static auto* machine = new WineMachine;  // owned by GoogleTest once registered
  return *machine;
}

void WineMachine::SetUp() {
  ASSERT_TRUE(prefix_.isValid() && zipFolder_.isValid());
  qputenv("WINEPREFIX", QFile::encodeName(prefix_.path()));
  qputenv("WINEDEBUG", "-all");
  qputenv("WINEDLLOVERRIDES", "mscoree,mshtml=");
  const RunResult prepared = runTool(QStringLiteral(TINTRA_SOURCE_DIR "/scripts/wine-prefix.sh"),
                                     {prefix_.path()}, 300000);
  ASSERT_EQ(prepared.exitCode, 0) << "the Wine prefix could not be set up";

  const QString appData =
      wine({QStringLiteral("cmd"), QStringLiteral("/c"), QStringLiteral("echo %APPDATA%")})
          .output.trimmed();
  ASSERT_TRUE(appData.startsWith(QStringLiteral("C:\\"), Qt::CaseInsensitive))
      << appData.toStdString();
  appData_ = linuxPath(appData);

  const QString zip = qEnvironmentVariable("TINTRA_WINDOWS_ZIP");
  ASSERT_TRUE(QFileInfo(zip).isFile()) << "TINTRA_WINDOWS_ZIP names no zip: " << zip.toStdString();
  EXPECT_LE(QFileInfo(zip).size(), 15 * 1024 * 1024) << "a download of more than 15 MB";
  QProcess unzip;
  unzip.setWorkingDirectory(zipFolder_.path());
  unzip.start(QStringLiteral("cmake"),
              {QStringLiteral("-E"), QStringLiteral("tar"), QStringLiteral("xf"), zip});
  ASSERT_TRUE(unzip.waitForFinished(60000) && unzip.exitCode() == 0) << "the zip did not unpack";
  QDirIterator found(zipFolder_.path(), {QStringLiteral("tintra.exe")}, QDir::Files,
                     QDirIterator::Subdirectories);
  ASSERT_TRUE(found.hasNext()) << "the zip holds no tintra.exe";
  unpacked_ = QFileInfo(found.next()).absolutePath();
}

void WineMachine::TearDown() {
  runTool(QStringLiteral("wineserver"), {QStringLiteral("-k")});
}

RunResult WineMachine::wine(const QStringList& arguments, int timeoutMs) const {
  return runTool(QStringLiteral("wine"), arguments, timeoutMs);
}

QString WineMachine::linuxPath(const QString& windowsPath) const {
  return prefix_.filePath(QStringLiteral("drive_c/") +
                          QString(windowsPath.mid(3)).replace(u'\\', u'/'));
}

}  // namespace e2e
