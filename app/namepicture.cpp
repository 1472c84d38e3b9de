// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/namepicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMenu>

#include "core/picturefilename.h"
#include "game/windowspaths.h"

namespace app {
namespace {

const QString kSaveTitle = QStringLiteral("Save Picture As");

QAction* addItem(QMenu& menu, const char* name, const QString& caption, QObject* owner,
                 const std::function<void()>& handler) {
  QAction* item = menu.addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  QObject::connect(item, &QAction::triggered, owner, handler, Qt::QueuedConnection);
  return item;
}

QByteArray pngBytes(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return picture.save(&buffer, "PNG") ? bytes : QByteArray();
}

}  // namespace

void addPictureItems(QMenu& menu, QObject* owner, const std::function<void()>& copy,
                     const std::function<void()>& save) {
  addItem(menu, "copyPicture", QStringLiteral("Copy Picture"), owner, copy);
  addItem(menu, "savePicture", QStringLiteral("Save Picture As\u2026"), owner, save);
}

std::optional<QString> savePicture(platform::Platform& platform, const QImage& picture,
                                   const QString& name, const QString& folder) {
  const QString start = folder.isEmpty() ? platform.picturesFolder() : folder;
  const QString fileName = core::pictureFileName(name);
  const QString path =
      platform.chooseSaveFile(kSaveTitle, start.isEmpty() ? fileName : start + u'/' + fileName,
                              QStringLiteral("PNG image (*.png)"), QStringLiteral("png"));
  if (path.isEmpty()) {
    return std::nullopt;
  }
  const QByteArray bytes = pngBytes(picture);
  const platform::WriteResult written =
      bytes.isEmpty() ? platform::WriteResult{false, QStringLiteral("The picture could not be "
                                                                    "made into a PNG file.")}
                      : platform.writeFile(path, bytes);
  if (!written.ok) {
    const QString shown = platform.windowsFileNames() ? game::windowsShown(path) : path;
    platform.messageBox(
        QStringLiteral("The picture could not be saved to %1.\n\n%2").arg(shown, written.error),
        platform::style::kOk + platform::style::kStopIcon, kSaveTitle);
  }
  return QFileInfo(path).absolutePath();
}

}  // namespace app
