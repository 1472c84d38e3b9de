// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The in-memory settings (the globalVars module): one struct owned by the
// program and handed by reference to whatever reads it. Only loadSettings
// assigns the six settings, always all at once, from the store.
#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {
class Platform;
}

namespace settings {

struct GlobalVars {
  QString gameLocation;
  QString displayExample;
  qint16 firstRun = 0;
  qint16 copyOnClose = 1;
  qint16 saveOnQuit = 0;
  QString savedName;

  // Set when the user has been told that the settings cannot be written,
  // until a save works again: each time saving starts failing is told once.
  bool toldSettingsNotKept = false;
  // Set once the program is ending, after which nothing more is told.
  bool ending = false;
};

// Reads the six entries from the store, each with its default.
void loadSettings(platform::Platform& platform, GlobalVars& globals);

// A stored whole number: the text read as a decimal 16-bit signed integer.
// Text that is not a whole number, or is out of range, counts as fallback.
// settingToInt("1", 0) == 1; settingToInt(" 2 ", 0) == 2; settingToInt("yes", 1) == 1;
// settingToInt("40000", 0) == 0.
[[nodiscard]] qint16 settingToInt(const QString& text, qint16 fallback);

// Saves one entry. When the store cannot write it, the user is told that
// settings are not being kept, once until a save works again; the program
// goes on either way.
bool saveSetting(platform::Platform& platform, GlobalVars& globals, const QString& section,
                 const QString& key, const QString& value);

}  // namespace settings
