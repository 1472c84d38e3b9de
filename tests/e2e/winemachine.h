// A Windows machine for the end-to-end test of the Windows downloads: a Wine
// prefix of its own in a temporary folder, set up as a Windows 10 machine,
// with the zip unpacked as a player would unpack it. The downloads are named
// by the environment: TINTRA_WINDOWS_ZIP and TINTRA_WINDOWS_SETUP.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "session.h"

namespace e2e {

class WineMachine : public ::testing::Environment {
 public:
  // Prepares the prefix and starts its services, then unpacks the zip.
  void SetUp() override;
  // Stops the prefix's Wine server and every program still running in it.
  void TearDown() override;

  // Runs a Windows program (or Wine's own, "cmd", "reg") in the prefix.
  RunResult wine(const QStringList& arguments, int timeoutMs = 60000) const;
  // The Linux path of a Windows path on C: ("C:\Games" is drive_c/Games).
  [[nodiscard]] QString linuxPath(const QString& windowsPath) const;

  [[nodiscard]] QString driveC() const { return prefix_.filePath(QStringLiteral("drive_c")); }
  // %APPDATA%, where tintra.exe keeps Tintra\Tintra.ini.
  [[nodiscard]] QString appData() const { return appData_; }
  // The unpacked zip's folder, holding tintra.exe.
  [[nodiscard]] QString unpacked() const { return unpacked_; }
  [[nodiscard]] static QString installer();

 private:
  QTemporaryDir prefix_;
  QTemporaryDir zipFolder_;
  QString appData_;
  QString unpacked_;
};

// The one machine of the test run, set up before the first test.
WineMachine& wineMachine();

}  // namespace e2e
