// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Quitting with Yes where a clipboard manager runs: tintra hands the name to
// the manager and ends at once, and the name stays pasteable.
#include <QElapsedTimer>
#include <QThread>

#include "session.h"

namespace e2e {
namespace {

// Waits until the helper has printed the word; everything it printed so far
// is kept in output.
bool waitForOutput(QProcess& helper, const QByteArray& word, QByteArray& output) {
  QElapsedTimer clock;
  clock.start();
  while (!output.contains(word) && clock.elapsed() < 10000) {
    helper.waitForReadyRead(100);
    output += helper.readAllStandardOutput();
  }
  return output.contains(word);
}

}  // namespace

TEST_F(E2eTest, QuittingWithYesHandsTheNameToTheClipboardManager) {
  QProcess& manager = session.startHelper(QStringLiteral(TINTRA_FAKE_CLIPBOARD_MANAGER));
  QByteArray said;
  ASSERT_TRUE(waitForOutput(manager, "ready", said)) << "the clipboard manager did not start";

  session.start();
  session.setName(QStringLiteral("^5Aqua ^6Pink"));
  session.quitWithYes();
  EXPECT_TRUE(session.waitForWindowGone(Session::mainTitlePattern()))
      << "the main window stayed after Yes";
  EXPECT_TRUE(session.waitForExit())
      << "tintra kept running although a clipboard manager took the name";
  EXPECT_TRUE(waitForOutput(manager, "saved", said)) << "the manager did not get the name";
  EXPECT_EQ(said.count("saved"), 1);
  EXPECT_EQ(session.clipboardText(), QStringLiteral("^5Aqua ^6Pink"));
}

}  // namespace e2e
