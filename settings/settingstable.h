// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every entry the program keeps in the settings store, as data: where it
// lives, and what a missing entry reads as. The store is the master copy; the
// in-memory settings (globalvars.h) are refreshed from it by loadSettings.
//
// "Configuration" and "Configuarion" are two different sections: each key is
// read and written only in the section named for it here.
#pragma once

#include <QString>
#include <array>

namespace settings {

namespace section {
inline const QString kConfiguration = QStringLiteral("Configuration");
inline const QString kConfiguarion = QStringLiteral("Configuarion");
inline const QString kSavedNames = QStringLiteral("Saved Names");
}  // namespace section

struct Entry {
  QString section;
  QString key;
  QString defaultValue;
};

// The name the coded-name box holds when the program starts.
inline const QString kSampleName = QStringLiteral("^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!");
// The default game location, which also marks that no folder has been chosen.
inline const QString kNoGameLocation = QStringLiteral("Browse for file ->");

inline const Entry kVeldmarkLocation{section::kConfiguration, QStringLiteral("Veldmark Location"),
                                     kNoGameLocation};
inline const Entry kDisplayExample{section::kConfiguration, QStringLiteral("Display Example"),
                                   QStringLiteral("1")};
inline const Entry kFirstRun{section::kConfiguration, QStringLiteral("First Run"),
                             QStringLiteral("0")};
inline const Entry kCopyOnClose{section::kConfiguration, QStringLiteral("Copy On Close"),
                                QStringLiteral("1")};
inline const Entry kSaveOnQuit{section::kConfiguarion, QStringLiteral("Save On Quit"),
                               QStringLiteral("0")};
inline const Entry kSavedName{section::kConfiguarion, QStringLiteral("Saved Name"),
                              QStringLiteral("No Name Saved")};

// The six entries that loadSettings reads, in the order it reads them.
inline const std::array<const Entry*, 6> kLoadedEntries{
    &kVeldmarkLocation, &kDisplayExample, &kFirstRun, &kCopyOnClose, &kSaveOnQuit, &kSavedName};

constexpr int kSlotCount = 3;
// Slot 1 to 3: "Slot1" to "Slot3" in "Saved Names", default "Slot Empty...".
[[nodiscard]] Entry slotEntry(int slot);

// The text without the spaces at its ends (other blanks are kept, as names
// and folders are stored). trimSpaces("  ^1a b ") == "^1a b".
[[nodiscard]] QString trimSpaces(const QString& text);

// The text of an option that is on or off.
[[nodiscard]] inline QString optionText(bool on) {
  return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace settings
