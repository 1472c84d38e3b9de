// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settingsstore.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <optional>

#include "platform/filewriter.h"
#include "platform/iniformat.h"

namespace platform {
namespace {

// A lock older than this was left by a copy that hung or crashed (a lock
// whose process has gone is taken over at once). A save holds it for about
// two seconds at the most.
constexpr int kStaleLockMs = 10000;
constexpr int kRetryPauseMs = 10;

QString fullKey(const QString& section, const QString& key) {
  return section + u'/' + key;
}

// The file's bytes: none when it is missing; nullopt, with the reason, when
// it is there but cannot be read, so that it is not overwritten with less
// than it holds.
std::optional<QByteArray> readBytes(const QString& path, QString& error) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    return file.readAll();
  }
  if (QFileInfo::exists(path)) {
    error = file.errorString();
    return std::nullopt;
  }
  return QByteArray();
}

QSettings::SettingsMap entriesOf(QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QSettings::SettingsMap entries;
  readPlainIni(buffer, entries);
  return entries;
}

QByteArray bytesOf(const QSettings::SettingsMap& entries) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  writePlainIni(buffer, entries);
  return buffer.data();
}

QString lockFailure(QLockFile::LockError error) {
  switch (error) {
    case QLockFile::LockFailedError:
      return QStringLiteral("Another copy of the program kept the settings file busy.");
    case QLockFile::PermissionError:
      return QStringLiteral("The settings file's folder cannot be written.");
    default:
      return QStringLiteral("The lock file beside the settings file could not be made.");
  }
}

}  // namespace

SettingsStore::SettingsStore(QString filePath, Writer writer)
    : filePath_(std::move(filePath)),
      writer_(writer ? std::move(writer) : Writer(replaceFileAtomically)) {
  reread();
}

void SettingsStore::reread() {
  if (filePath_.isEmpty()) {
    return;
  }
  QString error;
  std::optional<QByteArray> bytes = readBytes(filePath_, error);
  if (bytes && (!readOnce_ || *bytes != readBytes_)) {
    read_ = entriesOf(*bytes);
    readBytes_ = std::move(*bytes);
    readOnce_ = true;
  }
}

QString SettingsStore::get(const QString& section, const QString& key,
                           const QString& defaultValue) {
  const QString name = fullKey(section, key);
  if (const auto waiting = waiting_.constFind(name); waiting != waiting_.cend()) {
    return waiting->toString();
  }
  reread();
  const auto found = read_.constFind(name);
  return found != read_.cend() ? found->toString() : defaultValue;
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
  waiting_.insert(fullKey(section, key), value);
  if (filePath_.isEmpty()) {
    return fail(QStringLiteral("The system names no folder for the user's settings."));
  }
  // A folder that cannot be made is reported by the lock or the write.
  QDir().mkpath(QFileInfo(filePath_).absolutePath());
  QLockFile lock(filePath_ + QStringLiteral(".lock"));
  lock.setStaleLockTime(kStaleLockMs);
  // Tried often rather than with QLockFile's growing pauses, so that a save
  // gets in between another copy's saves.
  const QDeadlineTimer deadline(kPatienceMs);
  while (!lock.tryLock(0)) {
    if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) {
      return fail(lockFailure(lock.error()));
    }
    QThread::msleep(kRetryPauseMs);
  }
  return saveLocked();
}

bool SettingsStore::saveLocked() {
  QString error;
  const std::optional<QByteArray> bytes = readBytes(filePath_, error);
  if (!bytes) {
    return fail(error);
  }
  QSettings::SettingsMap entries = entriesOf(*bytes);
  entries.insert(waiting_);
  QByteArray written = bytesOf(entries);
  const WriteResult result = replaceFile(written);
  if (!result.ok) {
    return fail(result.error);
  }
  waiting_.clear();
  lastError_.clear();
  read_ = std::move(entries);
  readBytes_ = std::move(written);
  readOnce_ = true;
  return true;
}

// Another program may hold the file open for a moment (another copy reading
// it, a virus scanner, a sync client), which Windows refuses to replace.
WriteResult SettingsStore::replaceFile(const QByteArray& bytes) {
  const QDeadlineTimer deadline(kPatienceMs);
  WriteResult result = writer_(filePath_, bytes);
  while (!result.ok && result.inUse && !deadline.hasExpired()) {
    QThread::msleep(kRetryPauseMs);
    result = writer_(filePath_, bytes);
  }
  return result;
}

bool SettingsStore::fail(const QString& reason) {
  lastError_ = reason;
  return false;
}

}  // namespace platform
