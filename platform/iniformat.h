// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

namespace platform {

// The settings file's plain INI format, which a person can read and edit:
// entries "section/key" to text. Section and key names are written as they
// are (spaces included), and values are written raw unless they need quotes
// (leading or trailing blanks, control characters, a leading quote, half a
// surrogate pair). Lines that make no sense are skipped. Whatever the reader
// takes, the writer writes so that it reads back the same.
bool readPlainIni(QIODevice& device, QSettings::SettingsMap& map);
bool writePlainIni(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace platform
