// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quit sequence of the main window's "Close" button.
#pragma once

#include <QString>

#include "settings/globalvars.h"

namespace settings {

inline const QString kQuitQuestion = QStringLiteral(
    "Would you like to copy the current name to the clipboard so it can be pasted where "
    "desired?  This prompt can be switched off in the config section.");
inline const QString kQuitTitle = QStringLiteral("Exit?");

// Stores the name as "Saved Name", offers to copy it to the clipboard when
// "Copy On Close" is on and the name is neither empty nor the sample, and ends
// the program unless the user cancels. Returns whether the program was ended.
bool closeClicked(platform::Platform& platform, GlobalVars& globals, const QString& pureCode);

// As the program ends: when some settings could not be written, tells the
// user which file and why, and that those changes are lost.
void tellUnwrittenSettings(platform::Platform& platform);

// The last window closed without the quit sequence (the main window closed
// through its frame): tells of unwritten settings, then ends the program.
// The message box is a window too, and closing it is reported as the last
// window closed again: a program already ending does nothing more.
void lastWindowClosed(platform::Platform& platform, GlobalVars& globals);

}  // namespace settings
