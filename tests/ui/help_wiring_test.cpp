// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's Help menu and bottom-row buttons reach the Help and
// About windows and the web links.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/mainwindow.h"
#include "fakeplatform.h"
#include "links/inetconnection.h"

namespace {

using testing_support::FakePlatform;

class MainWindowHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    savedFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    window_ = std::make_unique<app::MainWindow>(platform_);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  void TearDown() override {
    window_.reset();
    QApplication::processEvents();
    QDir::setCurrent(savedFolder_);
  }

  void click(const char* button) const {
    QTest::mouseClick(window_->findChild<QPushButton*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
  }
  void choose(const char* item) const {
    window_->findChild<QAction*>(QString::fromLatin1(item))->trigger();
  }

  static int visibleWindows(const QString& objectName) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      count += widget->objectName() == objectName && widget->isVisible() ? 1 : 0;
    }
    return count;
  }

  QTemporaryDir folder_;
  QString savedFolder_;
  FakePlatform platform_;
  std::unique_ptr<app::MainWindow> window_;
};

TEST_F(MainWindowHelp, ButtonAndMenuItemOpenTheSameLinks) {
  click("Command2");
  choose("webSite");
  click("Command5");
  choose("update");
  const QString update = links::updateCheckUrl({1, 2, 2});
  EXPECT_EQ(platform_.openedDocuments,
            (QStringList{links::siteUrl(), links::siteUrl(), update, update}));
  EXPECT_TRUE(links::siteUrl().endsWith(QStringLiteral("/tintra")));
  EXPECT_TRUE(update.endsWith(QStringLiteral("?Version=122")));
  EXPECT_FALSE(platform_.busy);
}

TEST_F(MainWindowHelp, HelpButtonAndMenuItemShowOneHelpWindow) {
  click("Command1");
  choose("helpInfo");
  click("Command1");
  choose("About");
  choose("About");
  QApplication::processEvents();
  EXPECT_EQ(visibleWindows(QStringLiteral("frmHelp")), 1);
  EXPECT_EQ(visibleWindows(QStringLiteral("frmAbout")), 1);
  EXPECT_EQ(platform_.shownWindows.size(), 5);
}

TEST_F(MainWindowHelp, ClosingTheMainWindowTakesItsHelpWindowsAlong) {
  click("Command1");
  choose("About");
  QPointer<QWidget> help = platform_.shownWindows.at(0);
  QPointer<QWidget> about = platform_.shownWindows.at(1);
  window_.reset();
  EXPECT_TRUE(help.isNull());
  EXPECT_TRUE(about.isNull());
}

}  // namespace
