// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/namecfgreader.h"

#include "core/windows1252.h"
#include "game/namecfg.h"
#include "game/windows1252.h"
#include "game/windowspaths.h"
#include "platform/platform.h"
#include "settings/settingstable.h"

namespace game {
namespace {

constexpr QByteArrayView kWord = "name";

bool isBlank(char byte) {
  return byte == ' ' || byte == '\t' || byte == '\r';
}

QByteArrayView trimmedBlanks(QByteArrayView text) {
  while (!text.isEmpty() && isBlank(text.front())) {
    text = text.sliced(1);
  }
  while (!text.isEmpty() && isBlank(text.back())) {
    text.chop(1);
  }
  return text;
}

// The name when the line is a name line.
std::optional<QByteArrayView> nameOfLine(QByteArrayView line) {
  line = trimmedBlanks(line);
  if (line.size() < kWord.size() ||
      line.first(kWord.size()).compare(kWord, Qt::CaseInsensitive) != 0) {
    return std::nullopt;
  }
  const QByteArrayView rest = line.sliced(kWord.size());
  if (!rest.isEmpty() && !isBlank(rest.front())) {
    return std::nullopt;
  }
  return trimmedBlanks(rest);
}

void tell(platform::Platform& platform, const QString& message) {
  platform.messageBox(message, platform::style::kOk + platform::style::kStopIcon,
                      kLoadNameCfgTitle);
}

}  // namespace

std::optional<QString> nameFromNameCfg(const QByteArray& bytes) {
  for (QByteArrayView rest(bytes); !rest.isEmpty();) {
    const qsizetype end = rest.indexOf('\n');
    const QByteArrayView line = end < 0 ? rest : rest.first(end);
    rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    if (const std::optional<QByteArrayView> name = nameOfLine(line)) {
      return core::fromWindows1252(name->toByteArray());
    }
  }
  return std::nullopt;
}

std::optional<QString> loadNameCfgFile(platform::Platform& platform, const QString& path) {
  const QString shown = platform.windowsFileNames() ? windowsShown(path) : path;
  const platform::ReadResult file = platform.readFile(path, kNameCfgMaxBytes);
  switch (file.status) {
    case platform::ReadResult::Status::Missing:
      tell(platform, QStringLiteral("There is no file %1.").arg(shown));
      return std::nullopt;
    case platform::ReadResult::Status::TooLarge:
      tell(platform, QStringLiteral("%1 is too large to be a name file: it is over 64 kB. "
                                    "Nothing was read.")
                         .arg(shown));
      return std::nullopt;
    case platform::ReadResult::Status::Failed:
      tell(platform, QStringLiteral("%1 could not be read.\n\n%2").arg(shown, file.error));
      return std::nullopt;
    case platform::ReadResult::Status::Read:
      break;
  }
  std::optional<QString> name = nameFromNameCfg(file.bytes);
  if (!name) {
    tell(platform,
         QStringLiteral("%1 holds no name line: no line starts with the word Name.").arg(shown));
  }
  return name;
}

std::optional<QString> loadNameCfg(platform::Platform& platform,
                                   const settings::GlobalVars& globals) {
  if (globals.gameLocation == settings::kNoGameLocation) {
    tell(platform, kNoFolderMessage);
    return std::nullopt;
  }
  return loadNameCfgFile(platform, nameCfgPath(globals.gameLocation, platform.windowsFileNames()));
}

}  // namespace game
