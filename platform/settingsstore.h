// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>
#include <QString>

namespace platform {

// The per-user settings file (plain INI, see iniformat.h) and one copy of its
// entries in memory for the running program. The file is read once, when
// the store is made; every save changes the copy and writes through to the
// file, so that a change lasts for the rest of the run even when the file
// cannot be written. Each write puts every change of this run over the file
// as it is on disk then: a later write that succeeds keeps all of them, and
// entries that another program wrote meanwhile stay.
class SettingsStore {
 public:
  // The user's file: $XDG_CONFIG_HOME (else ~/.config) + "/Tintra/Tintra.ini";
  // on Windows %APPDATA%\Tintra\Tintra.ini.
  SettingsStore();
  explicit SettingsStore(QString filePath);

  [[nodiscard]] QString get(const QString& section, const QString& key,
                            const QString& defaultValue) const;
  // Keeps the value; returns false when it could not be written to the file.
  bool save(const QString& section, const QString& key, const QString& value);

  [[nodiscard]] const QString& filePath() const { return filePath_; }

  [[nodiscard]] static QString defaultFilePath();

 private:
  QString filePath_;
  QSettings::SettingsMap entries_;  // the file as read, with this run's changes
  QSettings::SettingsMap changes_;
};

}  // namespace platform
