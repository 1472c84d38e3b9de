// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmconfig.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "fakeplatform.h"
#include "platform/qtplatform.h"
#include "settings/settingstable.h"
#include "ui/frmbrowse.h"

namespace {

using testing_support::FakePlatform;

struct Config : ::testing::Test {
  FakePlatform platform;
  settings::GlobalVars globals;
  QWidget owner;
  ui::FrmConfig* window = nullptr;

  void open() {
    settings::loadSettings(platform, globals);
    window = ui::showConfig(platform, globals, &owner);
    activate();
  }
  void activate() {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
  }
  template <typename T>
  T* child(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
  void store(const settings::Entry& entry, const QString& value) {
    platform.settings.insert(entry.section + u'/' + entry.key, value);
  }
};

TEST_F(Config, AnEmptyStoreShowsTheDefaults) {
  open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Veldmark Name Colorizer Configuration"));
  EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral(" Location of Veldmark  "));
  EXPECT_EQ(child<QGroupBox>("Frame1")->title(), QStringLiteral(" Options  "));
  EXPECT_EQ(child<QLineEdit>("fileLocation")->text(), QStringLiteral("Browse for file ->"));
  EXPECT_EQ(child<QPushButton>("cmdBrowse")->text(), QStringLiteral(".."));
  EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("Display example name at start-up."));
  EXPECT_EQ(child<QLabel>("Label2")->text(),
            QStringLiteral("On quit ask about copy to clipboard."));
  EXPECT_EQ(child<QLabel>("Label3")->text(),
            QStringLiteral("Save content on quit and restore on load."));
  EXPECT_EQ(box("CheckEx")->checkState(), Qt::Checked);
  EXPECT_EQ(box("askCopychk")->checkState(), Qt::Checked);
  EXPECT_EQ(box("saveOnQuitchk")->checkState(), Qt::Unchecked);
  EXPECT_TRUE(box("CheckEx")->text().isEmpty());
}

TEST_F(Config, CloseStoresEachBoxLoadsTheSettingsAndUnloads) {
  open();
  box("CheckEx")->setCheckState(Qt::Unchecked);
  box("askCopychk")->setCheckState(Qt::PartiallyChecked);  // grayed counts as on
  box("saveOnQuitchk")->setCheckState(Qt::Checked);
  child<QPushButton>("close")->click();
  EXPECT_EQ(platform.savedKeys, QStringList({QStringLiteral("Configuration/Display Example=0"),
                                             QStringLiteral("Configuration/Copy On Close=1"),
                                             QStringLiteral("Configuarion/Save On Quit=1")}));
  EXPECT_EQ(globals.displayExample, QStringLiteral("0"));
  EXPECT_EQ(globals.saveOnQuit, 1);
  EXPECT_EQ(platform.unloadedWindows, QList<QWidget*>{window});
}

TEST_F(Config, ActivationDropsUnsavedChangesAndTypedLocations) {
  store(settings::kVeldmarkLocation, QStringLiteral("/games/veldmark"));
  open();
  box("CheckEx")->setCheckState(Qt::Unchecked);
  box("saveOnQuitchk")->setCheckState(Qt::Checked);
  child<QLineEdit>("fileLocation")->setText(QStringLiteral("/typed/by/hand"));
  activate();
  EXPECT_EQ(box("CheckEx")->checkState(), Qt::Checked);
  EXPECT_EQ(box("saveOnQuitchk")->checkState(), Qt::Unchecked);
  EXPECT_EQ(child<QLineEdit>("fileLocation")->text(), QStringLiteral("/games/veldmark"));
  child<QPushButton>("close")->click();
  EXPECT_FALSE(platform.savedKeys.join(u'\n').contains(QStringLiteral("Location")));
}

TEST_F(Config, ValuesNeitherOnNorOffLeaveTheBoxesAsTheyAreAndStartAsTheyAct) {
  store(settings::kCopyOnClose, QStringLiteral("2"));
  store(settings::kDisplayExample, QStringLiteral("01"));
  store(settings::kSaveOnQuit, QStringLiteral("junk"));
  open();
  EXPECT_EQ(box("askCopychk")->checkState(), Qt::Checked);       // 2 acts as on
  EXPECT_EQ(box("CheckEx")->checkState(), Qt::Checked);          // "01" is the number 1
  EXPECT_EQ(box("saveOnQuitchk")->checkState(), Qt::Unchecked);  // junk counts as the default 0
  box("askCopychk")->setCheckState(Qt::Unchecked);
  box("CheckEx")->setCheckState(Qt::Unchecked);
  activate();
  EXPECT_EQ(box("askCopychk")->checkState(), Qt::Unchecked);
  EXPECT_EQ(box("CheckEx")->checkState(), Qt::Unchecked);
}

TEST_F(Config, SetLocationInTheBrowseWindowShowsOnTheNextActivation) {
  open();
  box("askCopychk")->setCheckState(Qt::Unchecked);
  child<QPushButton>("cmdBrowse")->click();
  auto* browse = qobject_cast<ui::FrmBrowse*>(platform.shownWindows.back());
  ASSERT_NE(browse, nullptr);
  EXPECT_EQ(browse->parentWidget(), &owner);  // it outlives the Configuration window
  store(settings::kVeldmarkLocation, QStringLiteral("/games/veldmark"));
  settings::loadSettings(platform, globals);  // as Set Location does
  activate();
  EXPECT_EQ(child<QLineEdit>("fileLocation")->text(), QStringLiteral("/games/veldmark"));
  EXPECT_EQ(box("askCopychk")->checkState(), Qt::Checked);
}

// Another copy of the program on the same file changes an option the
// player leaves alone while the window is open.
TEST(ConfigWithAnotherCopy, CloseWritesOnlyTheBoxesThePlayerChanged) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("Tintra.ini"));
  platform::QtPlatform mine{platform::SettingsStore(file)};
  settings::GlobalVars globals;
  settings::loadSettings(mine, globals);
  auto* window = ui::showConfig(mine, globals, nullptr);
  platform::SettingsStore(file).save("Configuration", "Copy On Close", QStringLiteral("0"));
  window->findChild<QCheckBox*>(QStringLiteral("CheckEx"))->setCheckState(Qt::Unchecked);
  window->close_Click();
  EXPECT_EQ(globals.copyOnClose, 0);
  EXPECT_EQ(globals.displayExample, QStringLiteral("0"));
  EXPECT_EQ(mine.getSetting("Configuarion", "Save On Quit", QStringLiteral("absent")),
            QStringLiteral("absent"));
}

TEST_F(Config, TheWindowExistsAtMostOnce) {
  open();
  EXPECT_EQ(ui::showConfig(platform, globals, &owner), window);
  child<QPushButton>("close")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(owner.findChildren<ui::FrmConfig*>().size(), 0);
  EXPECT_NE(ui::showConfig(platform, globals, &owner), nullptr);
}

}  // namespace
