// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/readmeviewer.h"

#include "game/windowspaths.h"
#include "ui/helptext.h"

namespace ui {

void startReadmeViewer(platform::Platform& platform) {
  const QString path = findDataFile(kReadmeFileName, platform);
  if (path.isEmpty()) {
    platform.messageBox(QStringLiteral("The file \"readme.txt\" was not found in the program's "
                                       "folder."),
                        platform::style::kInformationIcon);
    return;
  }
  if (platform.windowsFileNames()) {
    platform.launchProgram(QStringLiteral("notepad"), {game::windowsShown(path)});
    return;
  }
  // xdg-open is started as a program of its own: the caller does not wait for
  // the viewer, as with Notepad, and no busy pointer or result is involved.
  platform.launchProgram(QStringLiteral("xdg-open"), {path});
}

}  // namespace ui
