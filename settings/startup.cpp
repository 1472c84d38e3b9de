// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/startup.h"

#include <QDir>

#include "platform/platform.h"
#include "settings/settingstable.h"

namespace settings {

std::optional<QString> startupName(const GlobalVars& globals) {
  if (globals.saveOnQuit != 0) {
    return globals.savedName;
  }
  if (settingToInt(globals.displayExample, settingToInt(kDisplayExample.defaultValue, 1)) == 0) {
    return QString();
  }
  return std::nullopt;
}

std::optional<QString> runStartupSteps(platform::Platform& platform, GlobalVars& globals) {
  loadSettings(platform, globals);
  if (const QString from = platform.settingsCarriedOverFrom(); !from.isEmpty()) {
    platform.messageBox(kCarriedOverNotice.arg(QDir::toNativeSeparators(from)),
                        platform::style::kInformationIcon);
  }
  if (globals.firstRun == 0) {
    platform.messageBox(kFirstRunNotice, platform::style::kInformationIcon, kFirstRunTitle);
    saveSetting(platform, globals, kFirstRun.section, kFirstRun.key, QStringLiteral("1"));
  }
  return startupName(globals);
}

}  // namespace settings
