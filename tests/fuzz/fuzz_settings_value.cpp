// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text saved as a value of the settings file reads back unchanged, beside
// the program's own entries and in any of its keys.
#include <QBuffer>
#include <array>
#include <cstdlib>

#include "fuzzinput.h"
#include "platform/iniformat.h"

namespace {

const std::array<QString, 5> kKeys = {
    QStringLiteral("Configuration/Veldmark Location"), QStringLiteral("Configuarion/Saved Name"),
    QStringLiteral("Saved Names/Slot1"), QStringLiteral("Configuration/First Run"),
    QStringLiteral("Configuration/Display Example")};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) {
    return 0;
  }
  // The first byte picks the key; the rest, as UTF-16, is the value, so lone
  // surrogates and every control character are reached.
  const QString& key = kKeys.at(data[0] % kKeys.size());
  const QString value = nameFromBytes(data + 1, size - 1);
  QSettings::SettingsMap entries{
      {QStringLiteral("Saved Names/Slot2"), QStringLiteral("^1a b")},
      {QStringLiteral("Configuration/Copy On Close"), QStringLiteral("0")}};
  entries.insert(key, value);

  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  if (!platform::writePlainIni(buffer, entries)) {
    std::abort();
  }
  buffer.seek(0);
  QSettings::SettingsMap read;
  if (!platform::readPlainIni(buffer, read) || read != entries) {
    std::abort();
  }
  return 0;
}
