// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/globalvars.h"

#include "platform/platform.h"
#include "settings/settingstable.h"

namespace settings {
namespace {

const QString kNotKeptMessage = QStringLiteral(
    "Your settings cannot be saved: the settings file or its folder cannot be written. "
    "The program will go on, but changes to the options, the game location and the saved "
    "names will not be kept after it closes.");

qint16 defaultInt(const Entry& entry) {
  return settingToInt(entry.defaultValue, 0);
}

}  // namespace

qint16 settingToInt(const QString& text, qint16 fallback) {
  bool ok = false;
  const short value = text.trimmed().toShort(&ok, 10);
  return ok ? value : fallback;
}

void loadSettings(platform::Platform& platform, GlobalVars& globals) {
  std::array<QString, kLoadedEntries.size()> values;
  for (std::size_t index = 0; index < kLoadedEntries.size(); ++index) {
    const Entry& entry = *kLoadedEntries.at(index);
    values.at(index) = platform.getSetting(entry.section, entry.key, entry.defaultValue);
  }
  globals.gameLocation = values[0];
  globals.displayExample = values[1];
  globals.firstRun = settingToInt(values[2], defaultInt(kFirstRun));
  globals.copyOnClose = settingToInt(values[3], defaultInt(kCopyOnClose));
  globals.saveOnQuit = settingToInt(values[4], defaultInt(kSaveOnQuit));
  globals.savedName = values[5];
}

bool saveSetting(platform::Platform& platform, GlobalVars& globals, const QString& section,
                 const QString& key, const QString& value) {
  if (platform.saveSetting(section, key, value)) {
    globals.toldSettingsNotKept = false;
    return true;
  }
  if (!globals.toldSettingsNotKept) {
    globals.toldSettingsNotKept = true;
    platform.messageBox(kNotKeptMessage, platform::style::kStopIcon);
  }
  return false;
}

}  // namespace settings
