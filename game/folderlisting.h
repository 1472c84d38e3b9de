// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browse window lists: drives (on Linux the roots of the mounted
// file systems), the folders in a folder, and the game's executable.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace game {

// The game's multiplayer executable; the file list shows only files of this
// name, in any letter case.
inline const QString kGameExecutable = QStringLiteral("VELDMARKMP.EXE");

// The given roots without repeats, "/" first, the rest in order.
[[nodiscard]] QStringList orderDrives(const QStringList& roots);
// The roots of the mounted file systems, ordered as above (Windows' drives
// come from the platform).
[[nodiscard]] QStringList mountedDrives();

// The drive (one of drives) that holds path: the longest root it lies under.
[[nodiscard]] QString driveOf(const QString& path, const QStringList& drives);

// The folder as the folder list reports it: absolute and clean, with no
// trailing separator except for a root.
[[nodiscard]] QString folderPath(const QString& path);

// Why a folder cannot be opened, or nullopt when it can.
[[nodiscard]] std::optional<QString> unreadableReason(const QString& folder);

// The names of the folders in folder, sorted, the hidden ones (".wine")
// after the others so that any folder can be reached.
[[nodiscard]] QStringList subfolders(const QString& folder);
// The files in folder named like the game's executable, in any case.
[[nodiscard]] QStringList gameExecutables(const QString& folder);

// The folder's ancestors from the root down to the folder itself.
[[nodiscard]] QStringList folderChain(const QString& folder);

}  // namespace game
