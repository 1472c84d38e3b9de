// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/folderlisting.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace game {

QStringList orderDrives(const QStringList& roots) {
  QStringList ordered;
  const QString top = QDir::rootPath();
  if (roots.contains(top)) {
    ordered << top;
  }
  for (const QString& root : roots) {
    if (!ordered.contains(root)) {
      ordered << root;
    }
  }
  return ordered;
}

QStringList mountedDrives() {
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid()) {
      roots << volume.rootPath();
    }
  }
  if (roots.isEmpty()) {
    roots << QDir::rootPath();
  }
  return orderDrives(roots);
}

QString driveOf(const QString& path, const QStringList& drives) {
  QString best;
  for (const QString& drive : drives) {
    const QString prefix = drive.endsWith(u'/') ? drive : drive + u'/';
    const bool under = path == drive || path.startsWith(prefix);
    if (under && drive.size() > best.size()) {
      best = drive;
    }
  }
  return best;
}

QString folderPath(const QString& path) {
  return QDir::cleanPath(QDir(path).absolutePath());
}

std::optional<QString> unreadableReason(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.exists()) {
    return QStringLiteral("it does not exist or its drive is not ready");
  }
  if (!info.isDir()) {
    return QStringLiteral("it is not a folder");
  }
  if (!info.isReadable() || !info.isExecutable()) {
    return QStringLiteral("permission denied");
  }
  return std::nullopt;
}

QStringList subfolders(const QString& folder) {
  QStringList shown;
  QStringList hidden;
  for (const QFileInfo& info : QDir(folder).entryInfoList(
           QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase)) {
    (info.isHidden() ? hidden : shown) << info.fileName();
  }
  return shown + hidden;
}

QStringList gameExecutables(const QString& folder) {
  QDir dir(folder, kGameExecutable, QDir::Name | QDir::IgnoreCase, QDir::Files | QDir::Hidden);
  return dir.entryList();
}

QStringList folderChain(const QString& folder) {
  QStringList chain;
  QDir dir(folder);
  chain.prepend(dir.absolutePath());
  while (dir.cdUp()) {
    chain.prepend(dir.absolutePath());
  }
  return chain;
}

}  // namespace game
