// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/filewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {
namespace {

WriteResult failure(const QString& reason) {
  return {false, reason};
}

// Writes on after a short write, so that the call that cannot write at all
// reports why (a short write itself carries no error).
bool writeAll(QSaveFile& file, const QByteArray& bytes) {
  qint64 done = 0;
  while (done < bytes.size()) {
    const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
    if (written <= 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

WriteResult replaceFileAtomically(const QString& path, const QByteArray& bytes) {
  const QFileInfo target(path);
  const QFileInfo folder(target.absolutePath());
  if (!folder.exists()) {
    return failure(QStringLiteral("The folder %1 does not exist.")
                       .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
  }
  if (!folder.isDir()) {
    return failure(QStringLiteral("%1 is not a folder.")
                       .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
  }
  if (target.isDir()) {
    return failure(QStringLiteral("A folder of that name is in the way."));
  }
  // A file without any write permission is read-only to the user even where
  // the process could override it (as root).
  constexpr auto kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  if (target.exists() && (!target.isWritable() || !(target.permissions() & kAnyWrite))) {
    return failure(QStringLiteral("The file is read-only."));
  }
  // Unbuffered: a buffered QSaveFile takes a short write while flushing (a
  // full disk, a file size limit) for success and renames a cut-off file.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return failure(file.errorString());
  }
  if (!writeAll(file, bytes)) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return failure(reason);
  }
  if (!file.commit()) {
    return {false, file.errorString(), file.error() == QFileDevice::RenameError};
  }
  return {true, {}};
}

}  // namespace platform
