// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's opener, xdg-open, reports whether it could open a link
// through its exit status; the real platform turns that into the result and
// error number that ExecuteLink judges. A stand-in xdg-open first on PATH
// plays the desktop here.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qtplatform.h"
#include "unprivileged.h"

namespace {

class QtPlatformOpen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "links_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
      static QCoreApplication application(argc, argv);
    }
  }

  void SetUp() override {
    TINTRA_LINUX_ONLY("a stand-in xdg-open; Windows opens links through its shell");
    ASSERT_TRUE(folder_.isValid());
    savedPath_ = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder_.path()) + ':' + savedPath_);
  }
  void TearDown() override { qputenv("PATH", savedPath_); }

  void writeOpener(int exitStatus) {
    QFile script(folder_.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                     .arg(openedFile(), QString::number(exitStatus))
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  [[nodiscard]] QString openedFile() const { return folder_.filePath(QStringLiteral("opened")); }

  [[nodiscard]] QByteArray opened() const {
    QFile file(openedFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  platform::QtPlatform platform_{platform::SettingsStore(QStringLiteral("/nonexistent/t.ini"))};

 private:
  QTemporaryDir folder_;
  QByteArray savedPath_;
};

TEST_F(QtPlatformOpen, OpenerThatSucceedsGivesAResultAbove32) {
  writeOpener(0);
  const QString url = QStringLiteral("http://www.tintra.example/tintra/version.asp?Version=122");
  EXPECT_GT(platform_.openDocument(url), 32);
  EXPECT_EQ(platform_.lastPlatformError(), 0);
  EXPECT_EQ(opened(), url.toUtf8());
}

TEST_F(QtPlatformOpen, OpenerThatFailsGivesItsExitStatusAsTheError) {
  writeOpener(4);
  EXPECT_LE(platform_.openDocument(QStringLiteral("http://www.tintra.example/tintra")), 32);
  EXPECT_EQ(platform_.lastPlatformError(), 4);
  EXPECT_EQ(opened(), QByteArray("http://www.tintra.example/tintra"));

  writeOpener(0);
  EXPECT_GT(platform_.openDocument(QStringLiteral("http://www.tintra.example/tintra")), 32);
  EXPECT_EQ(platform_.lastPlatformError(), 0) << "a success clears the last error";
}

}  // namespace
