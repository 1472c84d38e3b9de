// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the settings file lives. A copy of the program with the marker file
// beside it is portable: it keeps its settings in Tintra.ini beside itself,
// so that the program and its names can be carried on a USB stick. Any other
// copy keeps them in the user's folder for program settings.
#pragma once

#include <QString>

namespace platform {

inline const QString kPortableMarker = QStringLiteral("portable.txt");

struct SettingsPlaces {
  // The user's folder for program settings (~/.config, %APPDATA%); empty
  // when the system names none.
  QString userFolder;
  // The folder the program runs from, where a portable copy has its marker;
  // empty where a copy is never portable (an installed Linux program).
  QString programFolder;
};

class Platform;

// What the platform says of the places: a Windows program may be portable
// (run from an unpacked zip), an installed Linux program is not.
[[nodiscard]] SettingsPlaces settingsPlacesOf(const Platform& platform);

// <programFolder>/Tintra.ini when the marker is there, else
// <userFolder>/Tintra/Tintra.ini; empty when there is no place for the file.
// settingsFilePath({"/home/anna/.config", {}}) == "/home/anna/.config/Tintra/Tintra.ini"
[[nodiscard]] QString settingsFilePath(const SettingsPlaces& places);

// A portable copy that has no Tintra.ini beside it yet starts from the
// installed program's file, so that a player who used the earlier zip, which
// kept its settings where the installed program does, finds their names:
// copies <userFolder>/Tintra/Tintra.ini beside the program when the copy is
// portable, has no file of its own and that file exists. Returns the file
// copied; empty when nothing was copied.
QString carryOverInstalledSettings(const SettingsPlaces& places);

}  // namespace platform
