// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings steps at the end of the main window's start-up.
#pragma once

#include <QString>
#include <optional>

#include "settings/globalvars.h"

namespace settings {

inline const QString kFirstRunNotice = QStringLiteral(
    "There are many new features in this new release. Please see the help and readme files for "
    "information about these features.");
inline const QString kFirstRunTitle = QStringLiteral("Veldmark Colorizer");
// Said once, by the portable copy that took over the installed program's file.
inline const QString kCarriedOverNotice = QStringLiteral(
    "This copy of Tintra keeps its settings in Tintra.ini beside itself. It had none yet, so "
    "your names and options were copied into it from %1.");

// What start-up puts into the coded-name box: the saved name when "Save On
// Quit" is on, the empty text when "Display Example" is 0, otherwise nothing
// (the box keeps its sample name). A "Display Example" that is not a whole
// number counts as its default, 1.
[[nodiscard]] std::optional<QString> startupName(const GlobalVars& globals);

// Loads the settings, says where they were carried over from if they were,
// and shows the first-run notice once (and stores that it was shown). Returns what startupName says
// to put into the box.
[[nodiscard]] std::optional<QString> runStartupSteps(platform::Platform& platform,
                                                     GlobalVars& globals);

}  // namespace settings
