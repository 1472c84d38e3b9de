// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three name slots: coded names kept in the store under "Saved Names",
// read straight from the store each time one is restored.
#pragma once

#include <QString>

#include "settings/globalvars.h"

namespace settings {

// Stores the name, trimmed of spaces at its ends, in slot 1 to 3.
void saveSlot(platform::Platform& platform, GlobalVars& globals, int slot, const QString& name);

// The name kept in slot 1 to 3, or "Slot Empty..." when nothing was saved there.
[[nodiscard]] QString restoreSlot(platform::Platform& platform, int slot);

}  // namespace settings
