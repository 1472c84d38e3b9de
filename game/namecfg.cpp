// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/namecfg.h"

#include <QDir>

#include "platform/platform.h"
#include "settings/settingstable.h"

namespace game {
namespace {

const QString kCreatedMessage = QStringLiteral(
    "Your name.cfg file has now been created.  For details of how to use this file click the "
    "help button.");

void tell(platform::Platform& platform, const QString& message, int icon) {
  platform.messageBox(message, platform::style::kOk + icon, kNameCfgTitle);
}

QString unwritableMessage(const Encoded& content) {
  QString characters = content.unwritable.join(QStringLiteral(", "));
  if (content.moreUnwritable > 0) {
    characters += QStringLiteral(" and %1 more").arg(content.moreUnwritable);
  }
  return QStringLiteral(
             "The name cannot be written to name.cfg: the game cannot show these characters: "
             "%1.\n\nNo file was written. Remove them from the name and try again.")
      .arg(characters);
}

QString failureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("The name.cfg file could not be written to %1.\n\n%2").arg(path, reason);
}

QChar separator(bool windows) {
  return windows ? u'\\' : u'/';
}

// What follows the game folder: "\main\scripts" on Windows.
QString scriptsFolderTail(bool windows) {
  const QChar between = separator(windows);
  return between + QStringLiteral("main") + between + QStringLiteral("scripts");
}

}  // namespace

QString nameCfgPath(const QString& gameLocation, bool windows) {
  return gameLocation + scriptsFolderTail(windows) + separator(windows) +
         QStringLiteral("name.cfg");
}

QString replaceQuestion(const QString& gameLocation, bool windows) {
  return QStringLiteral("This will replace any name.cfg file that already exsists in your ") +
         settings::trimSpaces(gameLocation) + scriptsFolderTail(windows) +
         QStringLiteral(" folder. Do you wish to continue?");
}

Encoded nameCfgContent(const QString& pureCode) {
  Encoded encoded = toWindows1252(QStringLiteral("Name ") + settings::trimSpaces(pureCode));
  if (encoded.ok()) {
    encoded.bytes.append("\r\n");
  }
  return encoded;
}

bool makeNameCfg(platform::Platform& platform, const settings::GlobalVars& globals,
                 const QString& pureCode) {
  if (globals.gameLocation == settings::kNoGameLocation) {
    tell(platform, kNoFolderMessage, platform::style::kStopIcon);
    return false;
  }
  const Encoded content = nameCfgContent(pureCode);
  if (!content.ok()) {
    tell(platform, unwritableMessage(content), platform::style::kStopIcon);
    return false;
  }
  const int answer = platform.messageBox(
      replaceQuestion(globals.gameLocation, platform.windowsFileNames()),
      platform::style::kYesNo + platform::style::kInformationIcon, kNameCfgTitle);
  if (answer != platform::answer::kYes) {
    return false;
  }
  const QString path = nameCfgPath(globals.gameLocation, platform.windowsFileNames());
  const platform::WriteResult result = platform.writeFile(path, content.bytes);
  if (!result.ok) {
    tell(platform, failureMessage(path, result.error), platform::style::kStopIcon);
    return false;
  }
  tell(platform, kCreatedMessage, platform::style::kInformationIcon);
  return true;
}

}  // namespace game
