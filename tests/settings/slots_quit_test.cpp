// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fakeplatform.h"
#include "platform/qtplatform.h"
#include "settings/quit.h"
#include "settings/settingstable.h"
#include "settings/slots.h"

namespace {

using settings::GlobalVars;
using testing_support::FakePlatform;
namespace answer = platform::answer;

TEST(Slots, ANeverSavedSlotRestoresSlotEmpty) {
  FakePlatform platform;
  EXPECT_EQ(settings::restoreSlot(platform, 2), QStringLiteral("Slot Empty..."));
}

TEST(Slots, SavingTrimsTheEndsOnlyAndTouchesNothingElse) {
  FakePlatform platform;
  GlobalVars globals;
  platform.settings.insert(QStringLiteral("Saved Names/Slot1"), QStringLiteral("one"));
  platform.settings.insert(QStringLiteral("Configuarion/Saved Name"), QStringLiteral("kept"));
  settings::saveSlot(platform, globals, 2, QStringLiteral("  ^1a  b\t "));
  EXPECT_EQ(platform.savedKeys, QStringList{QStringLiteral("Saved Names/Slot2=^1a  b\t")});
  EXPECT_EQ(settings::restoreSlot(platform, 2), QStringLiteral("^1a  b\t"));
  EXPECT_EQ(settings::restoreSlot(platform, 1), QStringLiteral("one"));
  EXPECT_EQ(settings::restoreSlot(platform, 3), QStringLiteral("Slot Empty..."));
  EXPECT_EQ(platform.settings.value(QStringLiteral("Configuarion/Saved Name")),
            QStringLiteral("kept"));
}

TEST(Slots, AnEmptyNameIsStoredAndRestoredAsEmpty) {
  FakePlatform platform;
  GlobalVars globals;
  settings::saveSlot(platform, globals, 3, QStringLiteral("   "));
  EXPECT_EQ(settings::restoreSlot(platform, 3), QString());
}

TEST(Slots, ASlotSavedInOneRunIsRestoredInTheNext) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("Tintra/Tintra.ini"));
  GlobalVars globals;
  {
    platform::QtPlatform firstRun{platform::SettingsStore(file)};
    settings::saveSlot(firstRun, globals, 1, QStringLiteral("^4Blue ^7Moon"));
  }
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), QByteArray("[Saved Names]\nSlot1=^4Blue ^7Moon\n"));
  platform::QtPlatform secondRun{platform::SettingsStore(file)};
  EXPECT_EQ(settings::restoreSlot(secondRun, 1), QStringLiteral("^4Blue ^7Moon"));
  EXPECT_FALSE(globals.toldSettingsNotKept);
}

struct Quit : ::testing::Test {
  FakePlatform platform;
  GlobalVars globals;

  bool quit(const QString& name) { return settings::closeClicked(platform, globals, name); }
  [[nodiscard]] QString savedName() const {
    return platform.settings.value(QStringLiteral("Configuarion/Saved Name"));
  }
};

TEST_F(Quit, AnEmptyBoxIsStoredAndEndsWithoutAQuestion) {
  EXPECT_TRUE(quit(QStringLiteral("   ")));
  EXPECT_EQ(savedName(), QString());
  EXPECT_TRUE(platform.messages.isEmpty());
  EXPECT_EQ(platform.endCount, 1);
}

TEST_F(Quit, TheSampleNameEndsWithoutAQuestion) {
  EXPECT_TRUE(quit(QStringLiteral(" ") + settings::kSampleName + QStringLiteral("  ")));
  EXPECT_EQ(savedName(), settings::kSampleName);
  EXPECT_TRUE(platform.messages.isEmpty());
  EXPECT_EQ(platform.endCount, 1);
}

TEST_F(Quit, TheSampleInAnotherCaseIsAsked) {
  QString name = settings::kSampleName;
  name.replace(QStringLiteral("T"), QStringLiteral("t"));
  platform.scriptedAnswers = {answer::kNo};
  EXPECT_TRUE(quit(name));
  ASSERT_EQ(platform.messages.size(), 1);
  EXPECT_EQ(platform.messages[0].prompt,
            QStringLiteral("Would you like to copy the current name to the clipboard so it can "
                           "be pasted where desired?  This prompt can be switched off in the "
                           "config section."));
  EXPECT_EQ(platform.messages[0].style, 67);
  EXPECT_EQ(platform.messages[0].title, QStringLiteral("Exit?"));
  EXPECT_TRUE(platform.clipboardTexts.isEmpty());
  EXPECT_EQ(platform.endCount, 1);
}

TEST_F(Quit, CopyOnCloseOffEndsAfterStoring) {
  globals.copyOnClose = 0;
  EXPECT_TRUE(quit(QStringLiteral("^1Red")));
  EXPECT_EQ(savedName(), QStringLiteral("^1Red"));
  EXPECT_TRUE(platform.messages.isEmpty());
  EXPECT_EQ(platform.endCount, 1);
}

TEST_F(Quit, AnyNonZeroCopyOnCloseAsks) {
  globals.copyOnClose = 2;
  platform.scriptedAnswers = {answer::kNo};
  quit(QStringLiteral("^1Red"));
  EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(Quit, YesCopiesTheUntrimmedTextAndStoresTheTrimmedOne) {
  platform.scriptedAnswers = {answer::kYes};
  QStringList storedBeforeQuestion;
  platform.onMessage = [&](const FakePlatform::Message&) {
    storedBeforeQuestion = platform.savedKeys;
  };
  EXPECT_TRUE(quit(QStringLiteral("  ^1Red ")));
  EXPECT_EQ(storedBeforeQuestion, QStringList{QStringLiteral("Configuarion/Saved Name=^1Red")});
  EXPECT_EQ(platform.clipboardTexts, QStringList{QStringLiteral("  ^1Red ")});
  EXPECT_EQ(platform.endCount, 1);
}

TEST_F(Quit, CancelOrDismissKeepsRunningWithTheNameStillSaved) {
  for (const int dismissal : {answer::kCancel, 0}) {
    platform.scriptedAnswers = {dismissal};
    EXPECT_FALSE(quit(QStringLiteral("^1Red")));
    EXPECT_EQ(savedName(), QStringLiteral("^1Red"));
  }
  EXPECT_TRUE(platform.clipboardTexts.isEmpty());
  EXPECT_EQ(platform.endCount, 0);
}

TEST_F(Quit, AStoreThatCannotBeWrittenIsToldAndTheQuitGoesOnAndTellsWhatIsLost) {
  platform.savesFail = true;
  platform.scriptedAnswers = {answer::kOk, answer::kYes};
  EXPECT_TRUE(quit(QStringLiteral("^1Red")));
  ASSERT_EQ(platform.messages.size(), 3);
  EXPECT_TRUE(platform.messages[0].prompt.contains(QStringLiteral("cannot be saved")));
  EXPECT_EQ(platform.messages[1].title, QStringLiteral("Exit?"));
  EXPECT_TRUE(platform.messages[2].prompt.contains(
      QDir::toNativeSeparators(QStringLiteral("/fake/Tintra/Tintra.ini"))));
  EXPECT_TRUE(platform.messages[2].prompt.contains(QStringLiteral("Permission denied")));
  EXPECT_EQ(platform.clipboardTexts, QStringList{QStringLiteral("^1Red")});
  EXPECT_EQ(platform.endCount, 1);
}

// Qt reports the last window closed again when the message box closes.
TEST_F(Quit, TheFrameOrCloseTellsWhatIsLostOnceAndEnds) {
  platform.savesFail = platform.savesWaiting = true;
  globals.toldSettingsNotKept = true;
  GlobalVars throughFrame = globals;
  for (GlobalVars* run : {&throughFrame, &globals}) {
    if (run == &globals) {
      quit(QString());
    }
    for (int closed = 0; closed < 3; ++closed) {
      settings::lastWindowClosed(platform, *run);
    }
  }
  ASSERT_EQ(platform.messages.size(), 2);
  EXPECT_TRUE(platform.messages[1].prompt.contains(QStringLiteral("lost")));
  EXPECT_EQ(platform.endCount, 2);
}

TEST(SettingsSaves, EachTimeSavingStartsFailingIsToldOnce) {
  FakePlatform platform;
  GlobalVars globals;
  for (const bool fails : {true, true, false, true, true}) {
    platform.savesFail = fails;
    settings::saveSlot(platform, globals, 1, QStringLiteral("^1Red"));
  }
  EXPECT_EQ(platform.messages.size(), 2);
}

}  // namespace
