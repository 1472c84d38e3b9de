// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/filewriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "permissionchecks.h"
#include "unprivileged.h"

namespace {

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class FileWriterTest : public testing::Test {
 protected:
  QTemporaryDir folder_;
  QString path_ = folder_.filePath(QStringLiteral("name.cfg"));
  const QByteArray old_ = QByteArrayLiteral("Name ^1Old\r\n");
};

TEST_F(FileWriterTest, WritesTheBytesExactly) {
  const QByteArray bytes("Name ^1T\xC3\xA9st \0end\r\n", 18);
  const platform::WriteResult result = platform::replaceFileAtomically(path_, bytes);
  EXPECT_TRUE(result.ok);
  EXPECT_TRUE(result.error.isEmpty());
  EXPECT_EQ(fileBytes(path_), bytes);
}

TEST_F(FileWriterTest, ReplacesALongerFileWhole) {
  putFile(path_, QByteArray(4096, 'x'));
  ASSERT_TRUE(platform::replaceFileAtomically(path_, "Name a\r\n").ok);
  EXPECT_EQ(fileBytes(path_), QByteArray("Name a\r\n"));
}

TEST_F(FileWriterTest, LeavesNoTemporaryFilesBehind) {
  ASSERT_TRUE(platform::replaceFileAtomically(path_, "Name a\r\n").ok);
  EXPECT_FALSE(platform::replaceFileAtomically(folder_.filePath("gone/name.cfg"), "x").ok);
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{QStringLiteral("name.cfg")});
}

TEST_F(FileWriterTest, MissingFolderFailsWithoutCreatingIt) {
  const QString path = folder_.filePath(QStringLiteral("main/scripts/name.cfg"));
  const platform::WriteResult result = platform::replaceFileAtomically(path, "Name a\r\n");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.isEmpty());
  EXPECT_FALSE(QDir(folder_.filePath(QStringLiteral("main"))).exists());
}

TEST_F(FileWriterTest, FileWhereTheFolderShouldBeFails) {
  putFile(folder_.filePath(QStringLiteral("main")), old_);
  const platform::WriteResult result =
      platform::replaceFileAtomically(folder_.filePath(QStringLiteral("main/name.cfg")), "x");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(fileBytes(folder_.filePath(QStringLiteral("main"))), old_);
}

TEST_F(FileWriterTest, FolderInTheWayIsLeftAlone) {
  ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("name.cfg/inner")));
  const platform::WriteResult result = platform::replaceFileAtomically(path_, "Name a\r\n");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.isEmpty());
  EXPECT_TRUE(QDir(folder_.filePath(QStringLiteral("name.cfg/inner"))).exists());
}

TEST_F(FileWriterTest, ReadOnlyFileIsRefusedAndKept) {
  putFile(path_, old_);
  ASSERT_TRUE(QFile::setPermissions(path_, QFile::ReadOwner | QFile::ReadGroup));
  const platform::WriteResult result = platform::replaceFileAtomically(path_, "Name new\r\n");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.isEmpty());
  EXPECT_EQ(fileBytes(path_), old_);
}

TEST_F(FileWriterTest, ReadOnlyFolderKeepsTheOldFile) {
  TINTRA_LINUX_ONLY("a folder's permissions");
  putFile(path_, old_);
  ASSERT_TRUE(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
  const PermissionChecksEnforced enforced;
  ASSERT_FALSE(QFile(folder_.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly))
      << "the folder permissions do not hold";
  const platform::WriteResult result = platform::replaceFileAtomically(path_, "Name new\r\n");
  QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(fileBytes(path_), old_);
}

}  // namespace
