// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, About and the web links as a user reaches them: the links reach a
// stand-in xdg-open placed first on PATH, a failed launch shows the
// "ExecuteLink" message, and Help and About each open once however often they
// are asked for.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "session.h"

namespace e2e {
namespace {

const QString kHelp = QStringLiteral("^Help$");
const QString kAbout = QStringLiteral("^About$");
const QString kExecuteLink = QStringLiteral("^ExecuteLink$");
const QString kSite = QStringLiteral("http://www.tintra.example/tintra");
const QString kUpdate = QStringLiteral("http://www.tintra.example/tintra/version.asp?Version=122");

// The main window's buttons, as pixels of its client area.
const QPoint kHelpButton(100, 268);
const QPoint kWebSiteButton(240, 268);
const QPoint kCheckUpdateButton(336, 268);

class HelpLinks : public E2eTest {
 protected:
  void SetUp() override {
    const QString bin = session.home() + QStringLiteral("/bin");
    QDir().mkpath(bin);
    log_ = session.home() + QStringLiteral("/opened.log");
    failMark_ = session.home() + QStringLiteral("/fail");
    QFile opener(bin + QStringLiteral("/xdg-open"));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '%1'\n"
                                "if [ -e '%2' ]; then exit 4; fi\nexit 0\n")
                     .arg(log_, failMark_)
                     .toUtf8());
    opener.close();
    opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    session.prependToPath(bin);
    for (const QString& name : {QStringLiteral("help.txt"), QStringLiteral("readme.txt")}) {
      QFile::copy(QStringLiteral(TINTRA_DATA_DIR "/") + name,
                  session.workingFolder() + u'/' + name);
    }
    session.start();
  }

  [[nodiscard]] QStringList opened() const {
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly)) {
      return {};
    }
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
  }

  bool waitForLinks(qsizetype count) const {
    QElapsedTimer clock;
    clock.start();
    while (opened().size() < count && clock.elapsed() < 5000) {
      QThread::msleep(100);
    }
    return opened().size() >= count;
  }

  void click(QPoint point) const { session.clickClient(point); }

  // Opens the last menu of the bar, "Help", from the keyboard and walks down
  // its items: 0 "Help..", 1 "A&bout..", 2 "Tintra Web Site..", 3 "Check for Update..".
  void helpMenuItem(int item) const {
    session.focusWindow(session.mainWindowId());
    for (const QString& key :
         {QStringLiteral("alt"), QStringLiteral("Left"), QStringLiteral("Down")}) {
      session.pressKeys(key);
    }
    for (int step = 0; step < item; ++step) {
      session.pressKeys(QStringLiteral("Down"));
    }
    session.pressKeys(QStringLiteral("Return"));
  }

  void makeLaunchesFail() const { QFile(failMark_).open(QIODevice::WriteOnly); }

 private:
  QString log_;
  QString failMark_;
};

}  // namespace

TEST_F(HelpLinks, ButtonsAndMenuItemsOpenTheSamePages) {
  click(kWebSiteButton);
  helpMenuItem(2);
  click(kCheckUpdateButton);
  helpMenuItem(3);
  ASSERT_TRUE(waitForLinks(4));
  EXPECT_EQ(opened(), (QStringList{kSite, kSite, kUpdate, kUpdate}));
}

TEST_F(HelpLinks, HelpAndAboutOpenOnceAndCloseWithTheirButtons) {
  click(kHelpButton);
  click(kHelpButton);
  helpMenuItem(0);
  click(kHelpButton);
  helpMenuItem(1);
  helpMenuItem(1);
  ASSERT_FALSE(session.waitForWindow(kAbout).isEmpty()) << "the About window did not appear";
  EXPECT_EQ(session.findWindows(kHelp).size(), 1);
  EXPECT_EQ(session.findWindows(kAbout).size(), 1);

  // "Close" and "Close Help" unload their windows; the next Help opens one again.
  session.clickWindow(session.findWindows(kAbout).value(0), QPoint(364, 196));
  EXPECT_TRUE(session.waitForWindowGone(kAbout, 3000)) << "Close left the About window open";
  session.clickWindow(session.findWindows(kHelp).value(0), QPoint(328, 268));
  EXPECT_TRUE(session.waitForWindowGone(kHelp, 3000)) << "Close Help left the window open";
  click(kHelpButton);
  EXPECT_FALSE(session.waitForWindow(kHelp).isEmpty()) << "Help did not open again";
}

TEST_F(HelpLinks, AFailedLaunchIsToldToTheUser) {
  makeLaunchesFail();
  click(kWebSiteButton);
  ASSERT_TRUE(session.focusWindowTitled(kExecuteLink)) << "no message after a failed launch";
  session.pressKeys(QStringLiteral("Return"));
  EXPECT_TRUE(session.waitForWindowGone(kExecuteLink, 3000)) << "the message did not close";
  ASSERT_TRUE(waitForLinks(1));
  EXPECT_EQ(opened(), QStringList{kSite});
}

}  // namespace e2e
