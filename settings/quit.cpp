// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/quit.h"

#include <QDir>
#include <utility>

#include "platform/platform.h"
#include "settings/settingstable.h"

namespace settings {
namespace {

const QString kUnwrittenMessage = QStringLiteral(
    "Your settings file could not be written, so the changes to the options, the game "
    "location and the saved names that it does not hold are lost.\n\nFile: %1\nReason: %2");

}  // namespace

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
  globals.ending = true;
  tellUnwrittenSettings(platform);
  platform.endProgram();
  return true;
}

void lastWindowClosed(platform::Platform& platform, GlobalVars& globals) {
  if (std::exchange(globals.ending, true)) {
    return;
  }
  tellUnwrittenSettings(platform);
  platform.endProgram();
}

void tellUnwrittenSettings(platform::Platform& platform) {
  if (const auto unwritten = platform.unwrittenSettings()) {
    const QString file = unwritten->filePath.isEmpty()
                             ? QStringLiteral("(none)")
                             : QDir::toNativeSeparators(unwritten->filePath);
    platform.messageBox(kUnwrittenMessage.arg(file, unwritten->reason), platform::style::kStopIcon);
  }
}

}  // namespace settings
