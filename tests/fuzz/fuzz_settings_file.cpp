// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file on any bytes, in any encoding the reader detects (UTF-8,
// UTF-16 after a byte-order mark, Windows-1252): whatever entries the reader
// takes from a hand-edited file, the writer writes them so that they read back the same,
// and a file the writer wrote is written again byte for byte.
#include <QBuffer>
#include <cstdlib>

#include "platform/iniformat.h"

namespace {

QByteArray written(const QSettings::SettingsMap& entries) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!platform::writePlainIni(buffer, entries)) {
    std::abort();
  }
  return buffer.data();
}

QSettings::SettingsMap read(const QByteArray& bytes) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  QSettings::SettingsMap entries;
  if (!platform::readPlainIni(buffer, entries)) {
    std::abort();
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QSettings::SettingsMap entries =
      read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const QByteArray file = written(entries);
  const QSettings::SettingsMap again = read(file);
  if (again != entries || written(again) != file) {
    std::abort();
  }
  return 0;
}
