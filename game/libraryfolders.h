// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Steam's list of its libraries, steamapps/libraryfolders.vdf: a KeyValues
// text of quoted strings and braces, read tolerantly because the file may be
// damaged, half-written or not Steam's at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace game {

// Files larger than this are not read: a real list is a few kilobytes.
inline constexpr qint64 kLibraryFoldersMaxBytes = qint64{1024} * 1024;
// At most this many libraries are taken from one file.
inline constexpr qsizetype kLibraryFoldersMaxPaths = 64;

// The absolute library paths in a libraryfolders.vdf, in file order: the
// "path" of each entry of the "libraryfolders" block, or, in the older
// layout, the value of each numbered key. Quoted strings may hold backslash
// escapes (\\ \" \n \t); "//" starts a comment. Whatever cannot be read as
// such is skipped.
// steamLibraryPaths(R"("libraryfolders" { "1" { "path" "/mnt/games" } })") == {"/mnt/games"}
[[nodiscard]] QStringList steamLibraryPaths(const QByteArray& vdf);

// The library paths listed in steamRoot/steamapps/libraryfolders.vdf; none
// when the file is missing, not a plain file, too large or unreadable.
[[nodiscard]] QStringList readSteamLibraryPaths(const QString& steamRoot);

}  // namespace game
