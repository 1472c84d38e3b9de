// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The places the browse window's drive list offers. On Linux a Windows game
// lies inside a Wine prefix or a Steam library, mostly under hidden folders
// of the home folder, so these are offered beside the mounted file systems,
// each labelled for what it is:
//
//   "/", "/boot", ...                        a mounted file system, by its root
//   "Home folder (/home/anna)"               the home folder
//   "C: (Wine, ~/.wine)"                     drive_c of a Wine prefix: $WINEPREFIX, ~/.wine
//   "Steam library (~/.local/share/Steam)"   a Steam library: ~/.local/share/Steam,
//                                            ~/.steam/steam, the Flatpak Steam's, and
//                                            those its steamapps/libraryfolders.vdf lists
//   "Steam games (~/.local/share/Steam)"     that library's steamapps/common
//   "C: (Proton 2357570)"                    drive_c of the Proton prefix of a Steam game,
//                                            by its app id (steamapps/compatdata/<id>/pfx)
//   "C: (Lutris, veldmark)"                  ~/Games/<name>/drive_c
//   "C: (Heroic, Veldmark)"                  ~/Games/Heroic/Prefixes/<name>/drive_c
//   "C: (Bottles, Veldmark)"                 a bottle of Bottles, native or Flatpak
//   "C: (PlayOnLinux, Veldmark)"             ~/.PlayOnLinux/wineprefix/<name>/drive_c
//
// Folders under the home folder are shown from "~". A label that another
// place already bears gets that place's folder added:
// "C: (Bottles, Veldmark, ~/.var/app/com.usebottles.bottles/.../drive_c)".
#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <functional>

namespace platform {
class Platform;
}

namespace game {

struct Drive {
  QString label;
  QString folder;
};

// Every place the drive list offers for this home folder and environment: "/" first, the
// mounted file systems, the home folder, then the game places found under it.
//
// Only places that exist and can be read are offered, each once: a folder
// reached two ways (through a symbolic link, say) counts once. The work is
// bounded: a fixed set of places, one level of prefixes in each, one small
// libraryfolders.vdf per Steam installation; nothing is searched recursively.
[[nodiscard]] QList<Drive> gameDrives(const QString& home, const QProcessEnvironment& environment);

// What the Windows drive list asks of the folders, so that a test can answer
// as a Windows disk would.
struct FolderLookup {
  // Whether the folder exists and can be listed.
  std::function<bool(const QString& folder)> canList;
  // The libraries a Steam folder's steamapps\libraryfolders.vdf names.
  std::function<QStringList(const QString& steamFolder)> steamLibraries;
};
// The disk's own answers.
[[nodiscard]] FolderLookup diskFolders();

// On Windows the drives come first, as Windows names them ("C:\"), then each
// Steam library of the installation in steamPath (Steam's own folder and those
// its steamapps\libraryfolders.vdf lists) with its steamapps\common:
//   "Steam library (C:\Program Files (x86)\Steam)", "Steam games (...)".
// Folders are compared as Windows compares them, so a library spelt in
// another letter case or with other separators is listed once.
[[nodiscard]] QList<Drive> windowsGameDrives(const QStringList& drives, const QString& steamPath,
                                             const FolderLookup& folders = diskFolders());

// The drive list of the machine the platform describes: windowsGameDrives on
// Windows, with Steam's folder from the registry, gameDrives for the user's
// home elsewhere.
[[nodiscard]] QList<Drive> browseDrives(const platform::Platform& platform);

// The order in which a folder's prefixes are looked at: names of digits alone
// (Steam's app ids) first, by their value (480 before 2357570), then the other
// names alphabetically in any letter case. A strict weak ordering, as
// std::sort needs.
[[nodiscard]] bool comesBefore(const QString& a, const QString& b);

}  // namespace game
