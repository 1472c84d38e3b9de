// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settingsstore.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "platform/filewriter.h"
#include "platform/iniformat.h"

namespace platform {
namespace {

QString fullKey(const QString& section, const QString& key) {
  return section + u'/' + key;
}

// The file's entries: none when it is missing; nullopt, with the reason, when
// it is there but cannot be read, so that it is not overwritten with less
// than it holds.
std::optional<QSettings::SettingsMap> readEntries(const QString& path, QString& error) {
  QSettings::SettingsMap entries;
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    readPlainIni(file, entries);
  } else if (QFileInfo::exists(path)) {
    error = file.errorString();
    return std::nullopt;
  }
  return entries;
}

WriteResult writeEntries(const QString& path, const QSettings::SettingsMap& entries) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  writePlainIni(buffer, entries);
  // A folder that cannot be made is reported by the write.
  QDir().mkpath(QFileInfo(path).absolutePath());
  return replaceFileAtomically(path, buffer.data());
}

}  // namespace

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {
  rereadIfChanged();
}

SettingsStore::FileStamp SettingsStore::stampNow() const {
  const QFileInfo info(filePath_);
  if (!info.exists()) {
    return {};
  }
  return {true, info.size(), info.lastModified()};
}

void SettingsStore::rereadIfChanged() {
  if (filePath_.isEmpty()) {
    return;
  }
  const FileStamp stamp = stampNow();
  if (stamp == readStamp_) {
    return;
  }
  QString error;
  if (std::optional<QSettings::SettingsMap> entries = readEntries(filePath_, error)) {
    read_ = std::move(*entries);
    readStamp_ = stamp;
  }
}

QString SettingsStore::get(const QString& section, const QString& key,
                           const QString& defaultValue) {
  const QString name = fullKey(section, key);
  if (const auto waiting = waiting_.constFind(name); waiting != waiting_.cend()) {
    return waiting->toString();
  }
  rereadIfChanged();
  const auto found = read_.constFind(name);
  return found != read_.cend() ? found->toString() : defaultValue;
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
  waiting_.insert(fullKey(section, key), value);
  if (filePath_.isEmpty()) {
    return fail(QStringLiteral("The system names no folder for the user's settings."));
  }
  QString error;
  std::optional<QSettings::SettingsMap> entries = readEntries(filePath_, error);
  if (!entries) {
    return fail(error);
  }
  entries->insert(waiting_);
  const WriteResult written = writeEntries(filePath_, *entries);
  if (!written.ok) {
    return fail(written.error);
  }
  waiting_.clear();
  lastError_.clear();
  read_ = std::move(*entries);
  readStamp_ = stampNow();
  return true;
}

bool SettingsStore::fail(const QString& reason) {
  lastError_ = reason;
  return false;
}

}  // namespace platform
