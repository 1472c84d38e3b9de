// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/windowspaths.h"

#include <QDir>

namespace game {

QString windowsFolder(const QString& path) {
  if (path.isEmpty()) {
    return {};
  }
  QString folder = QDir::cleanPath(QString(path).replace(u'\\', u'/'));
  // A drive's root keeps its "/" ("C:" alone would be that drive's current
  // folder), as Qt keeps it on Windows.
  if (folder.size() == 2 && folder.at(1) == u':') {
    folder += u'/';
  }
  return folder;
}

QString windowsFolderKey(const QString& path) {
  return windowsFolder(path).toCaseFolded();
}

QString windowsShown(const QString& path) {
  return QString(path).replace(u'/', u'\\');
}

}  // namespace game
