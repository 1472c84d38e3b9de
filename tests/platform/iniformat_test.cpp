// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/iniformat.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

QByteArray written(const QSettings::SettingsMap& map) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(platform::writePlainIni(buffer, map));
  return buffer.data();
}

QSettings::SettingsMap read(QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QSettings::SettingsMap map;
  EXPECT_TRUE(platform::readPlainIni(buffer, map));
  return map;
}

QSettings::SettingsMap roundTrip(const QSettings::SettingsMap& map) {
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  EXPECT_TRUE(platform::writePlainIni(buffer, map));
  buffer.seek(0);
  QSettings::SettingsMap read;
  EXPECT_TRUE(platform::readPlainIni(buffer, read));
  return read;
}

TEST(PlainIni, KeysWithSpacesAreWrittenAsTheyAre) {
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  platform::writePlainIni(buffer, {{QStringLiteral("Configuration/Veldmark Location"),
                                    QStringLiteral("/games/veldmark")}});
  EXPECT_EQ(buffer.data().toStdString(), "[Configuration]\nVeldmark Location=/games/veldmark\n");
}

TEST(PlainIni, AwkwardValuesSurviveARoundTrip) {
  const QSettings::SettingsMap map{
      {QStringLiteral("Saved Names/Slot1"), QStringLiteral("a,b;c=d\\e")},
      {QStringLiteral("Saved Names/Slot2"), QStringLiteral(" padded \"quoted\" ")},
      {QStringLiteral("Saved Names/Slot3"), QStringLiteral("line\nbreak\ttab")},
      {QStringLiteral("Configuarion/Saved Name"), QString()},
  };
  const auto read = roundTrip(map);
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    EXPECT_EQ(read.value(it.key()).toString(), it.value().toString()) << it.key().toStdString();
  }
}

// The file the README shows, with a game folder that has spaces: read as
// before, and written back byte for byte.
// Trying each '/' of a key as the place to split it must not cost the
// square of the key's length.
TEST(PlainIni, AKeyOfManySlashesIsWrittenInOnePass) {
  const QString key = QStringLiteral("x/ ").repeated(200'000) + u'y';
  const QSettings::SettingsMap entries{{key, QStringLiteral("1")}};
  EXPECT_EQ(read(written(entries)), entries);
}

TEST(PlainIni, TheProgramsOwnFileReadsAndWritesAsItIs) {
  const QByteArray file =
      "[Configuarion]\nSave On Quit=1\nSaved Name=^1T^2intra\n\n"
      "[Configuration]\nCopy On Close=0\nFirst Run=1\nVeldmark Location=/home/me/Veldmark Gold\n\n"
      "[Saved Names]\nSlot1=\" ^4Blue Moon \"\n";
  const QSettings::SettingsMap expected{
      {QStringLiteral("Configuarion/Save On Quit"), QStringLiteral("1")},
      {QStringLiteral("Configuarion/Saved Name"), QStringLiteral("^1T^2intra")},
      {QStringLiteral("Configuration/Copy On Close"), QStringLiteral("0")},
      {QStringLiteral("Configuration/First Run"), QStringLiteral("1")},
      {QStringLiteral("Configuration/Veldmark Location"), QStringLiteral("/home/me/Veldmark Gold")},
      {QStringLiteral("Saved Names/Slot1"), QStringLiteral(" ^4Blue Moon ")},
  };
  EXPECT_EQ(read(file), expected);
  EXPECT_EQ(written(expected), file);
}

// Hand-edited lines whose keys a split at the first '/' into a
// section and a key would turn into another key, and values that UTF-8
// cannot hold. Each file is read, written and read again: the same entries.
TEST(PlainIni, WhatTheReaderTakesIsWrittenSoThatItReadsBackTheSame) {
  const struct {
    const char* name;
    QByteArray file;
    QByteArray rewritten;  // empty: not checked
  } cases[] = {
      {"blank after a slash, before any section", "Velation \"/ nxn=1\n", "Velation \"/ nxn=1\n"},
      {"blank before a slash, before any section", "a /b=1\n", "a /b=1\n"},
      {"slash at the end of a key", "a/=1\n", "a/=1\n"},
      {"slash at the start of a key", "/x=1\n", "/x=1\n"},
      {"closing bracket before the slash", "a]b/c=1\n", "a]b/c=1\n"},
      {"comment sign after the slash", "a/;b=1\na/#c=2\n", "a/#c=2\na/;b=1\n"},
      {"opening bracket after the slash", "a/[b]=1\n", "a/[b]=1\n"},
      {"slash and blank in a section name", "[a/ b]\nc=1\n", "[a/ b]\nc=1\n"},
      {"slash at the start of a section name", "[ /b]\nc=1\n", "[/b]\nc=1\n"},
      {"slash in a section name", "[a/b]\nc=1\n", "[a]\nb/c=1\n"},
      {"byte-order mark opening a key", "\n\xEF\xBB\xBFx=1\n", "\n\xEF\xBB\xBFx=1\n"},
      {"half of a surrogate pair in a value", "k=\"\\ud800x\"\n", "k=\"\\ud800x\"\n"},
      {"keys before and after an empty section", "a=1\n[s]\nb=2\n[]\nc=3\n",
       "a=1\nc=3\n\n[s]\nb=2\n"},
  };
  for (const auto& entry : cases) {
    const QSettings::SettingsMap entries = read(entry.file);
    ASSERT_FALSE(entries.isEmpty()) << entry.name;
    const QByteArray file = written(entries);
    EXPECT_EQ(read(file), entries) << entry.name << "\nwritten as:\n" << file.toStdString();
    if (!entry.rewritten.isEmpty()) {
      EXPECT_EQ(file, entry.rewritten) << entry.name;
    }
  }
}

}  // namespace
