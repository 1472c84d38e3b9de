// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/startup.h"

#include <gtest/gtest.h>

#include <QDir>

#include "fakeplatform.h"
#include "settings/settingstable.h"

namespace {

using settings::GlobalVars;
using testing_support::FakePlatform;

struct Startup : ::testing::Test {
  FakePlatform platform;
  GlobalVars globals;
  QString pureCode = settings::kSampleName;

  void run() { pureCode = settings::runStartupSteps(platform, globals).value_or(pureCode); }
  void store(const settings::Entry& entry, const QString& value) {
    platform.settings.insert(entry.section + u'/' + entry.key, value);
  }
};

TEST_F(Startup, EmptyStoreGivesTheDefaultsAndKeepsTheSample) {
  run();
  EXPECT_EQ(globals.gameLocation, QStringLiteral("Browse for file ->"));
  EXPECT_EQ(globals.displayExample, QStringLiteral("1"));
  EXPECT_EQ(globals.copyOnClose, 1);
  EXPECT_EQ(globals.saveOnQuit, 0);
  EXPECT_EQ(globals.savedName, QStringLiteral("No Name Saved"));
  EXPECT_EQ(pureCode, settings::kSampleName);
}

TEST_F(Startup, SettingsCarriedOverFromTheInstalledProgramAreSaidFirst) {
  platform.carriedOverFrom = QStringLiteral("C:/Users/anna/AppData/Roaming/Tintra/Tintra.ini");
  store(settings::kFirstRun, QStringLiteral("1"));
  run();
  ASSERT_EQ(platform.messages.size(), 1);
  EXPECT_TRUE(
      platform.messages[0].prompt.contains(QDir::toNativeSeparators(platform.carriedOverFrom)));
}

TEST_F(Startup, FirstRunNoticeIsShownOnceAndRemembered) {
  run();
  ASSERT_EQ(platform.messages.size(), 1);
  EXPECT_EQ(platform.messages[0].prompt,
            QStringLiteral("There are many new features in this new release. Please see the help "
                           "and readme files for information about these features."));
  EXPECT_EQ(platform.messages[0].style, 64);
  EXPECT_EQ(platform.messages[0].title, QStringLiteral("Veldmark Colorizer"));
  EXPECT_EQ(platform.settings.value(QStringLiteral("Configuration/First Run")),
            QStringLiteral("1"));

  GlobalVars nextRun;
  EXPECT_EQ(settings::runStartupSteps(platform, nextRun), std::nullopt);
  EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(Startup, NoticeIsStoredOnlyAfterItWasDismissed) {
  QStringList savedWhileShown;
  platform.onMessage = [&](const FakePlatform::Message&) { savedWhileShown = platform.savedKeys; };
  run();
  EXPECT_TRUE(savedWhileShown.isEmpty());
  EXPECT_EQ(platform.savedKeys, QStringList{QStringLiteral("Configuration/First Run=1")});
}

TEST_F(Startup, SaveOnQuitRestoresTheSavedNameWhateverDisplayExampleSays) {
  store(settings::kFirstRun, QStringLiteral("1"));
  store(settings::kSaveOnQuit, QStringLiteral("1"));
  store(settings::kDisplayExample, QStringLiteral("0"));
  store(settings::kSavedName, QStringLiteral("^2kept"));
  run();
  EXPECT_EQ(pureCode, QStringLiteral("^2kept"));

  store(settings::kSavedName, QString());
  pureCode = settings::kSampleName;
  run();
  EXPECT_EQ(pureCode, QString());
}

TEST_F(Startup, SaveOnQuitWithNothingSavedShowsNoNameSaved) {
  store(settings::kSaveOnQuit, QStringLiteral("1"));
  run();
  EXPECT_EQ(pureCode, QStringLiteral("No Name Saved"));
}

TEST_F(Startup, DisplayExampleOffEmptiesTheBox) {
  store(settings::kDisplayExample, QStringLiteral("0"));
  run();
  EXPECT_EQ(pureCode, QString());
}

TEST_F(Startup, SettingsThatAreNotWholeNumbersCountAsTheirDefaults) {
  store(settings::kFirstRun, QStringLiteral("yes"));
  store(settings::kCopyOnClose, QStringLiteral("70000"));
  store(settings::kSaveOnQuit, QStringLiteral("1.5"));
  store(settings::kDisplayExample, QStringLiteral("off"));
  run();
  EXPECT_EQ(globals.firstRun, 0);
  EXPECT_EQ(platform.messages.size(), 1);  // the damaged "First Run" is repaired
  EXPECT_EQ(globals.copyOnClose, 1);
  EXPECT_EQ(globals.saveOnQuit, 0);
  EXPECT_EQ(globals.displayExample, QStringLiteral("off"));  // kept as text
  EXPECT_EQ(pureCode, settings::kSampleName);
}

TEST(SettingToInt, ReadsWholeNumbersInTheSixteenBitRange) {
  EXPECT_EQ(settings::settingToInt(QStringLiteral("0"), 7), 0);
  EXPECT_EQ(settings::settingToInt(QStringLiteral("2"), 7), 2);
  EXPECT_EQ(settings::settingToInt(QStringLiteral(" 1 "), 7), 1);
  EXPECT_EQ(settings::settingToInt(QStringLiteral("-32768"), 7), -32768);
  EXPECT_EQ(settings::settingToInt(QStringLiteral("32767"), 7), 32767);
  EXPECT_EQ(settings::settingToInt(QStringLiteral("32768"), 7), 7);
  EXPECT_EQ(settings::settingToInt(QStringLiteral("-32769"), 7), 7);
  EXPECT_EQ(settings::settingToInt(QString(), 7), 7);
  EXPECT_EQ(settings::settingToInt(QStringLiteral("1x"), 7), 7);
  EXPECT_EQ(settings::settingToInt(QStringLiteral("0x1"), 7), 7);
}

TEST(SaveSetting, AFailureIsToldOnceAndTheProgramGoesOn) {
  FakePlatform platform;
  platform.savesFail = true;
  GlobalVars globals;
  EXPECT_FALSE(settings::saveSetting(platform, globals, QStringLiteral("Saved Names"),
                                     QStringLiteral("Slot1"), QStringLiteral("a")));
  EXPECT_FALSE(settings::saveSetting(platform, globals, QStringLiteral("Saved Names"),
                                     QStringLiteral("Slot2"), QStringLiteral("b")));
  ASSERT_EQ(platform.messages.size(), 1);
  EXPECT_TRUE(platform.messages[0].prompt.contains(QStringLiteral("cannot be saved")));
  EXPECT_EQ(platform.messages[0].style, 16);
  EXPECT_EQ(platform.savedKeys.size(), 2);  // the second save was still tried
}

}  // namespace
