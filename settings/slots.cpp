// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/slots.h"

#include "platform/platform.h"
#include "settings/settingstable.h"

namespace settings {

void saveSlot(platform::Platform& platform, GlobalVars& globals, int slot, const QString& name) {
  const Entry entry = slotEntry(slot);
  saveSetting(platform, globals, entry.section, entry.key, trimSpaces(name));
}

QString restoreSlot(platform::Platform& platform, int slot) {
  const Entry entry = slotEntry(slot);
  return platform.getSetting(entry.section, entry.key, entry.defaultValue);
}

}  // namespace settings
