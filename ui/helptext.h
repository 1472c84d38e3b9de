// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help file and the readme: where they are found, and how the help file
// is read for the Help window's viewer (plain text or RTF).
#pragma once

#include <QString>

#include "platform/platform.h"
#include "rtf/rtfreader.h"

namespace ui {

inline const QString kHelpFileName = QStringLiteral("help.txt");
inline const QString kReadmeFileName = QStringLiteral("readme.txt");

// Files larger than this are not shown: a help text is a few pages.
constexpr qint64 kMaxHelpFileBytes = 16 * 1024 * 1024;

// The file from the current folder, else the installed copy: with Windows
// file names beside the program, elsewhere in <programFolder>/../share/tintra/.
// Empty when neither exists.
[[nodiscard]] QString findDataFile(const QString& name, const QString& currentDir,
                                   const QString& programFolder, bool windows);
// The same for the running program, as the platform describes it.
[[nodiscard]] QString findDataFile(const QString& name, const platform::Platform& platform);

struct HelpText {
  enum class Kind { Plain, Rich, Notice };
  Kind kind = Kind::Notice;
  QString plain;          // Plain: the text; Notice: why there is no text
  rtf::RtfDocument rich;  // Rich: the document read from RTF
};

// Reads a help file: RTF when it starts with "{\rtf", else plain text in
// UTF-8 or, failing that, Windows-1252. A missing, unreadable or oversized
// file gives a one-line notice instead.
[[nodiscard]] HelpText readHelpText(const QString& path);

}  // namespace ui
