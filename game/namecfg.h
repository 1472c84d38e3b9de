// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Make name.cfg" command: the coded name as a one-line script,
// "Name " + the name + CR LF, in the game folder's main/scripts folder.
#pragma once

#include <QString>

#include "game/windows1252.h"
#include "settings/globalvars.h"

namespace game {

inline const QString kNameCfgTitle = QStringLiteral("Make name.cfg");
// Told when no game folder has been chosen yet.
inline const QString kNoFolderMessage = QStringLiteral(
    "You have not yet selected the location of your Veldmark folder.  Please select Config on "
    "the task bar to set this location.");

// The file's path: the game folder as stored, then main/scripts/name.cfg
// joined with the system's separator ("\" with Windows file names). A folder
// stored with its trailing separator (a root) gives a doubled separator,
// which the file system takes as one.
// nameCfgPath("/games/veldmark", false) == "/games/veldmark/main/scripts/name.cfg"
// nameCfgPath("C:\\Veldmark", true) == "C:\\Veldmark\\main\\scripts\\name.cfg"
[[nodiscard]] QString nameCfgPath(const QString& gameLocation, bool windows);

// The question asked before the file is replaced; it shows the folder as
// stored, and its main/scripts folder joined in the same way.
[[nodiscard]] QString replaceQuestion(const QString& gameLocation, bool windows);

// The file's bytes in Windows-1252: "Name ", the name trimmed of spaces, CR LF.
[[nodiscard]] Encoded nameCfgContent(const QString& pureCode);

// Checks that a folder was chosen and that the name can be written, asks
// before replacing, writes the file atomically and confirms. A failure is
// reported and leaves any earlier file as it was. Returns whether it wrote.
bool makeNameCfg(platform::Platform& platform, const settings::GlobalVars& globals,
                 const QString& pureCode);

}  // namespace game
