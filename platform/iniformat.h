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
//
// The reader takes the encodings a text editor saves in: UTF-8 with or
// without a byte-order mark, UTF-16 LE or BE with one, and Windows-1252 for
// a file that is not valid UTF-8. The writer writes UTF-8 without a mark.
bool readPlainIni(QIODevice& device, QSettings::SettingsMap& map);
bool writePlainIni(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace platform
