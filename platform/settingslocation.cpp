// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settingslocation.h"

#include <QDir>
#include <QFileInfo>

#include "platform/platform.h"

namespace platform {

SettingsPlaces settingsPlacesOf(const Platform& platform) {
  return {platform.userSettingsFolder(),
          platform.windowsFileNames() ? platform.programFolder() : QString()};
}

QString settingsFilePath(const SettingsPlaces& places) {
  if (!places.programFolder.isEmpty() &&
      QFileInfo(QDir(places.programFolder), kPortableMarker).isFile()) {
    return QDir(places.programFolder).filePath(QStringLiteral("Tintra.ini"));
  }
  if (places.userFolder.isEmpty()) {
    return {};
  }
  return QDir(places.userFolder).filePath(QStringLiteral("Tintra/Tintra.ini"));
}

}  // namespace platform
