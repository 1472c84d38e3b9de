// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/gamedrives.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "game/folderlisting.h"
#include "game/libraryfolders.h"
#include "game/windowspaths.h"
#include "platform/platform.h"

namespace game {
namespace {

// More prefixes than this in one folder are not looked at.
constexpr qsizetype kMaxPrefixesPerFolder = 256;

// The drive list being built: each folder once, and each label once. On
// Linux a folder is known by its canonical path; on Windows as Windows
// compares paths, whatever their letter case and separators.
class DriveList {
 public:
  // Linux: folders under home are shown from "~".
  explicit DriveList(QString home) : home_(std::move(home)) {}
  // Windows: canList says which folders exist and can be listed.
  explicit DriveList(std::function<bool(const QString&)> canList)
      : windows_(true), canList_(std::move(canList)) {}

  // Always listed, readable or not, as the mounted file systems always were.
  void addMounted(const QString& root) {
    if (markSeen(root)) {
      append(shown(root), root);
    }
  }

  // Listed when the folder exists, can be read and is not listed yet.
  bool add(const QString& label, const QString& folder) {
    if (!canList_(folder) || !markSeen(folder)) {
      return false;
    }
    append(label, folder);
    return true;
  }

  // The folder as labels show it: from "~" when under the home folder.
  [[nodiscard]] QString shown(const QString& folder) const {
    if (windows_) {
      return windowsShown(folder);
    }
    const bool under = !home_.isEmpty() && home_ != QDir::rootPath() &&
                       (folder == home_ || folder.startsWith(home_ + QLatin1Char('/')));
    return QDir::toNativeSeparators(under ? QLatin1Char('~') + folder.mid(home_.size()) : folder);
  }

  [[nodiscard]] QList<Drive> take() { return std::move(drives_); }

 private:
  [[nodiscard]] QString keyOf(const QString& folder) const {
    if (windows_) {
      return windowsFolderKey(folder);
    }
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? folder : canonical;
  }

  bool markSeen(const QString& folder) {
    const QString key = keyOf(folder);
    if (seen_.contains(key)) {
      return false;
    }
    seen_.insert(key);
    return true;
  }

  void append(QString label, const QString& folder) {
    if (labels_.contains(label)) {
      label = label.chopped(1) + QStringLiteral(", ") + shown(folder) + QLatin1Char(')');
    }
    labels_.insert(label);
    drives_.append({label, folder});
  }

  QString home_;
  bool windows_ = false;
  std::function<bool(const QString&)> canList_ = diskFolders().canList;
  QList<Drive> drives_;
  QSet<QString> seen_;
  QSet<QString> labels_;
};

bool isNumber(const QString& name) {
  return !name.isEmpty() &&
         std::all_of(name.begin(), name.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The digits of a number from its first one that is not 0 ("0480": "480").
QStringView withoutLeadingZeros(const QString& number) {
  qsizetype first = 0;
  while (first + 1 < number.size() && number.at(first) == u'0') {
    ++first;
  }
  return QStringView(number).mid(first);
}

}  // namespace

bool comesBefore(const QString& a, const QString& b) {
  if (isNumber(a) != isNumber(b)) {
    return isNumber(a);
  }
  if (isNumber(a)) {
    const QStringView valueA = withoutLeadingZeros(a);
    const QStringView valueB = withoutLeadingZeros(b);
    if (valueA.size() != valueB.size()) {
      return valueA.size() < valueB.size();
    }
    return valueA != valueB ? valueA < valueB : a < b;
  }
  const int order = a.compare(b, Qt::CaseInsensitive);
  return order != 0 ? order < 0 : a < b;
}

namespace {

// The folders directly in folder, in that order, at most
// kMaxPrefixesPerFolder of them.
QStringList prefixNames(const QString& folder) {
  QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
  std::sort(names.begin(), names.end(), comesBefore);
  return names.mid(0, kMaxPrefixesPerFolder);
}

// Each prefix folder/<name>, with its drive_c at tail, as "C: (who, name)".
void addPrefixes(DriveList& list, const QString& folder, const QString& who,
                 const QString& tail = QStringLiteral("drive_c")) {
  const QDir dir(folder);
  for (const QString& name : prefixNames(folder)) {
    list.add(QStringLiteral("C: (%1%2)").arg(who, name), dir.filePath(name + u'/' + tail));
  }
}

// The Steam installations and every library their lists name, each once.
QStringList steamLibraries(const QStringList& installations) {
  QStringList libraries;
  QSet<QString> seen;
  for (const QString& root : installations) {
    if (unreadableReason(root)) {
      continue;
    }
    for (const QString& library : QStringList{root} + readSteamLibraryPaths(root)) {
      const QString folder = folderPath(library);
      const QString canonical = QFileInfo(folder).canonicalFilePath();
      if (!canonical.isEmpty() && !seen.contains(canonical)) {
        seen.insert(canonical);
        libraries << folder;
      }
    }
  }
  return libraries;
}

// A library may be listed already (as a mounted file system, say); its games
// are still its own.
QDir addSteamLibrary(DriveList& list, const QString& library) {
  const QString shown = list.shown(library);
  list.add(QStringLiteral("Steam library (%1)").arg(shown), library);
  const QDir steamapps(QDir(library).filePath(QStringLiteral("steamapps")));
  list.add(QStringLiteral("Steam games (%1)").arg(shown),
           steamapps.filePath(QStringLiteral("common")));
  return steamapps;
}

void addSteam(DriveList& list, const QString& home) {
  const QDir homeDir(home);
  QStringList installations;
  for (const char* installation : {".local/share/Steam", ".steam/steam",
                                   ".var/app/com.valvesoftware.Steam/.local/share/Steam"}) {
    installations << homeDir.filePath(QString::fromLatin1(installation));
  }
  for (const QString& library : steamLibraries(installations)) {
    const QDir steamapps = addSteamLibrary(list, library);
    addPrefixes(list, steamapps.filePath(QStringLiteral("compatdata")), QStringLiteral("Proton "),
                QStringLiteral("pfx/drive_c"));
  }
}

void addWine(DriveList& list, const QString& home, const QProcessEnvironment& environment) {
  QStringList prefixes;
  const QString fromEnvironment = environment.value(QStringLiteral("WINEPREFIX"));
  if (QDir::isAbsolutePath(fromEnvironment)) {  // as Wine itself requires
    prefixes << folderPath(fromEnvironment);
  }
  prefixes << QDir(home).filePath(QStringLiteral(".wine"));
  for (const QString& prefix : prefixes) {
    list.add(QStringLiteral("C: (Wine, %1)").arg(list.shown(prefix)),
             QDir(prefix).filePath(QStringLiteral("drive_c")));
  }
}

void addOtherPrefixes(DriveList& list, const QDir& home) {
  const struct {
    const char* folder;
    const char* who;
  } managers[] = {
      {"Games", "Lutris, "},
      {"Games/Heroic/Prefixes", "Heroic, "},
      {".local/share/bottles/bottles", "Bottles, "},
      {".var/app/com.usebottles.bottles/data/bottles/bottles", "Bottles, "},
      {".PlayOnLinux/wineprefix", "PlayOnLinux, "},
  };
  for (const auto& manager : managers) {
    addPrefixes(list, home.filePath(QString::fromLatin1(manager.folder)),
                QString::fromLatin1(manager.who));
  }
}

}  // namespace

QList<Drive> gameDrives(const QString& home, const QProcessEnvironment& environment) {
  const QString homeFolder = QDir::isAbsolutePath(home) ? folderPath(home) : QString();
  DriveList list(homeFolder);
  for (const QString& root : mountedDrives()) {
    list.addMounted(root);
  }
  if (!homeFolder.isEmpty()) {
    list.add(QStringLiteral("Home folder (%1)").arg(QDir::toNativeSeparators(homeFolder)),
             homeFolder);
    addWine(list, homeFolder, environment);
    addSteam(list, homeFolder);
    addOtherPrefixes(list, QDir(homeFolder));
  }
  return list.take();
}

FolderLookup diskFolders() {
  return {[](const QString& folder) { return !unreadableReason(folder); }, readSteamLibraryPaths};
}

QList<Drive> windowsGameDrives(const QStringList& drives, const QString& steamPath,
                               const FolderLookup& folders) {
  DriveList list(folders.canList);
  for (const QString& root : drives) {
    list.addMounted(root);
  }
  const QString steam = windowsFolder(steamPath);
  if (!steam.isEmpty() && folders.canList(steam)) {
    // Steam's list names its own folder first, as it is spelt on the disk;
    // the registry's spelling is all lower case.
    for (const QString& library : folders.steamLibraries(steam) + QStringList{steam}) {
      addSteamLibrary(list, windowsFolder(library));
    }
  }
  return list.take();
}

QList<Drive> browseDrives(const platform::Platform& platform) {
  if (platform.windowsFileNames()) {
    return windowsGameDrives(platform.windowsDrives(), platform.steamPath());
  }
  return gameDrives(QDir::homePath(), QProcessEnvironment::systemEnvironment());
}

}  // namespace game
