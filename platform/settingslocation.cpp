// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settingslocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/platform.h"

namespace platform {
namespace {

QString userFile(const SettingsPlaces& places) {
  if (places.userFolder.isEmpty()) {
    return {};
  }
  return QDir(places.userFolder).filePath(QStringLiteral("Tintra/Tintra.ini"));
}

bool isPortable(const SettingsPlaces& places) {
  return !places.programFolder.isEmpty() &&
         QFileInfo(QDir(places.programFolder), kPortableMarker).isFile();
}

}  // namespace

SettingsPlaces settingsPlacesOf(const Platform& platform) {
  return {platform.userSettingsFolder(),
          platform.windowsFileNames() ? platform.programFolder() : QString()};
}

QString settingsFilePath(const SettingsPlaces& places) {
  if (isPortable(places)) {
    return QDir(places.programFolder).filePath(QStringLiteral("Tintra.ini"));
  }
  return userFile(places);
}

QString carryOverInstalledSettings(const SettingsPlaces& places) {
  const QString installed = userFile(places);
  const QString own = settingsFilePath(places);
  if (!isPortable(places) || QFileInfo::exists(own) || !QFileInfo(installed).isFile() ||
      !QFile::copy(installed, own)) {
    return {};
  }
  // A copy keeps the source's permissions: the player's own file must stay writable.
  QFile::setPermissions(own, QFile::permissions(own) | QFile::WriteOwner);
  return installed;
}

}  // namespace platform
