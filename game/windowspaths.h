// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows paths as the program reasons about them, on any system: the drive
// list and name.cfg decide from what Windows says in plain code that the
// tests run on Linux too.
#pragma once

#include <QString>

namespace game {

// The folder in the program's form: "/" between folders, clean, no trailing
// "/" but for a drive's root.
// windowsFolder("D:\\SteamLibrary\\") == "D:/SteamLibrary"; windowsFolder("C:\\") == "C:/"
[[nodiscard]] QString windowsFolder(const QString& path);

// What Windows compares: a folder spelt in any letter case, with either
// separator, gives the same key.
// windowsFolderKey("c:/program files") == windowsFolderKey("C:\\Program Files\\")
[[nodiscard]] QString windowsFolderKey(const QString& path);

// The path as Windows shows it: windowsShown("C:/Games") == "C:\\Games"
[[nodiscard]] QString windowsShown(const QString& path);

}  // namespace game
