// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/quit.h"

#include "platform/platform.h"
#include "settings/settingstable.h"

namespace settings {

bool closeClicked(platform::Platform& platform, GlobalVars& globals, const QString& pureCode) {
  const QString trimmed = trimSpaces(pureCode);
  saveSetting(platform, globals, kSavedName.section, kSavedName.key, trimmed);
  const bool ask = !trimmed.isEmpty() && trimmed != kSampleName && globals.copyOnClose != 0;
  if (ask) {
    const int answer = platform.messageBox(
        kQuitQuestion, platform::style::kYesNoCancel + platform::style::kInformationIcon,
        kQuitTitle);
    if (answer == platform::answer::kYes) {
      platform.setClipboardText(pureCode);
    } else if (answer != platform::answer::kNo) {
      return false;
    }
  }
  platform.endProgram();
  return true;
}

}  // namespace settings
