#include "platform/iniformat.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

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

}  // namespace
