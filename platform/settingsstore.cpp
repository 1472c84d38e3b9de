// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settingsstore.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

#ifdef Q_OS_WIN
#include <shlobj.h>
#endif

#include "platform/filewriter.h"
#include "platform/iniformat.h"

namespace platform {
namespace {

// The file's entries: none when it is missing; nullopt when it is there but
// cannot be read, so that it is not overwritten with less than it holds.
std::optional<QSettings::SettingsMap> readEntries(const QString& path) {
  QSettings::SettingsMap entries;
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    readPlainIni(file, entries);
  } else if (QFileInfo::exists(path)) {
    return std::nullopt;
  }
  return entries;
}

bool writeEntries(const QString& path, const QSettings::SettingsMap& entries) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  return writePlainIni(buffer, entries) && QDir().mkpath(QFileInfo(path).absolutePath()) &&
         replaceFileAtomically(path, buffer.data()).ok;
}

}  // namespace

SettingsStore::SettingsStore() : SettingsStore(defaultFilePath()) {}

SettingsStore::SettingsStore(QString filePath)
    : filePath_(std::move(filePath)),
      entries_(readEntries(filePath_).value_or(QSettings::SettingsMap())) {}

QString SettingsStore::defaultFilePath() {
#ifdef Q_OS_WIN
  // %APPDATA%\Tintra\Tintra.ini: Windows programs keep their settings in the
  // user's roaming folder, which Qt's generic config location is not. (A
  // QSettings asked for its INI path would read the file into Qt's cache in
  // Qt's own format, which the plain format then finds instead.)
  PWSTR roaming = nullptr;
  QString folder;
  if (SUCCEEDED(
          SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &roaming))) {
    folder = QDir::fromNativeSeparators(QString::fromWCharArray(roaming));
  }
  CoTaskMemFree(roaming);
  return folder + QStringLiteral("/Tintra/Tintra.ini");
#else
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Tintra/Tintra.ini");
#endif
}

QString SettingsStore::get(const QString& section, const QString& key,
                           const QString& defaultValue) const {
  const auto found = entries_.constFind(section + u'/' + key);
  return found != entries_.cend() ? found->toString() : defaultValue;
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
  const QString fullKey = section + u'/' + key;
  entries_.insert(fullKey, value);
  changes_.insert(fullKey, value);
  std::optional<QSettings::SettingsMap> onDisk = readEntries(filePath_);
  if (!onDisk) {
    return false;
  }
  onDisk->insert(changes_);
  return writeEntries(filePath_, *onDisk);
}

}  // namespace platform
