// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The name as a picture: the two items of the preview's and the name box's
// context menus, and saving the picture as a PNG file.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <optional>

#include "platform/platform.h"

class QMenu;

namespace app {

// Adds "Copy Picture" and "Save Picture As…", in this order. Their handlers
// run once the menu has finished with the click, as long as owner lives.
void addPictureItems(QMenu& menu, QObject* owner, const std::function<void()>& copy,
                     const std::function<void()>& save);

// Asks where to save the picture, in folder (the Pictures folder when empty)
// under the name's file name, and writes it there as PNG, atomically. A
// failure is told with the path and the reason. Returns the folder chosen,
// also when the file could not be written; nullopt when cancelled.
std::optional<QString> savePicture(platform::Platform& platform, const QImage& picture,
                                   const QString& name, const QString& folder);

}  // namespace app
