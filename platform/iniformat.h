#pragma once

#include <QSettings>

namespace platform {

// A plain INI format for QSettings that a person can read and edit: section
// and key names are written as they are (spaces included), and values are
// written raw unless they need quotes (leading or trailing blanks, control
// characters, a leading quote, half a surrogate pair). Lines that make no
// sense are skipped. Whatever the reader takes, the writer writes so that it
// reads back the same.
[[nodiscard]] QSettings::Format plainIniFormat();

// The two halves of the format, for tests.
bool readPlainIni(QIODevice& device, QSettings::SettingsMap& map);
bool writePlainIni(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace platform
