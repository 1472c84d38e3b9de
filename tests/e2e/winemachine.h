// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows machine of the downloads' end-to-end test: a Wine prefix of its
// own, set up as Windows 10, with the zip (TINTRA_WINDOWS_ZIP) unpacked as a
// player would unpack it.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "session.h"

namespace e2e {

class WineMachine : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;  // stops every program of the prefix

  // Runs a Windows program, or one of Wine's ("cmd"), in the prefix.
  RunResult wine(const QStringList& arguments, int timeoutMs = 60000) const;
  // The Linux path of a path on C: ("C:\Games" is <prefix>/drive_c/Games).
  [[nodiscard]] QString linuxPath(const QString& windowsPath) const;
  // %APPDATA%, and the unpacked folder that holds tintra.exe.
  [[nodiscard]] QString appData() const { return appData_; }
  [[nodiscard]] QString unpacked() const { return unpacked_; }

 private:
  QTemporaryDir prefix_;
  QTemporaryDir zipFolder_;
  QString appData_;
  QString unpacked_;
};

WineMachine& wineMachine();

}  // namespace e2e
