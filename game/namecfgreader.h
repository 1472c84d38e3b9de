// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Load name.cfg" command: the name of a name.cfg, the program's own or
// one written by hand, back into the name box.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "settings/globalvars.h"

namespace platform {
class Platform;
}

namespace game {

inline const QString kLoadNameCfgTitle = QStringLiteral("Load name.cfg");
// A larger file is no name file and is not read: a name line is a few bytes.
inline constexpr qint64 kNameCfgMaxBytes = qint64{64} * 1024;

// The name of the file's first name line: blanks (spaces, tabs), the word
// "Name" in any letter case, then a blank or the line's end, then the name.
// Blanks around the name are dropped; lines end in LF or CR LF; the bytes are
// Windows-1252, as Make name.cfg writes them. nullopt without a name line.
// nameFromNameCfg("bind x quit\n  NAME\t^1Tar \xE9 \r\n") == "^1Tar é"
[[nodiscard]] std::optional<QString> nameFromNameCfg(const QByteArray& bytes);

// The name in the file at path (a .cfg dropped on the window, say). Tells
// the user why there is none: no file, too large, unreadable, no name line.
[[nodiscard]] std::optional<QString> loadNameCfgFile(platform::Platform& platform,
                                                     const QString& path);

// The name in the game folder's name.cfg, where Make name.cfg writes it.
[[nodiscard]] std::optional<QString> loadNameCfg(platform::Platform& platform,
                                                 const settings::GlobalVars& globals);

}  // namespace game
