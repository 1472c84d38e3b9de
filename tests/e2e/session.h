// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One run of the real tintra under the test's own Xvfb, driven like a user
// would drive it: keys typed with xdotool, clicks at the controls' places,
// results read back from the screen, the clipboard and files. Each key, text
// and click waits until tintra has handled it (settle()), so a test checks
// what it did without sleeping; text with characters that the keyboard map
// lacks is pasted from the clipboard, as a user would enter it.
//
// Adding a scenario: write a TEST_F(E2eTest, ...) in a new *_e2e_test.cpp and
// list the file in tests/e2e/CMakeLists.txt. Each test gets a fresh Session with
// its own temporary HOME (settings in home()/.config/Tintra/Tintra.ini) and
// working folder; prepare files there, or put programs on PATH through
// prependToPath(), before start(). restart() keeps the home, for what has to
// survive a quit. A message box is a window titled "Veldmark Name Colorizer"
// (or its own title): waitForWindow() it, focusWindow() it, pressKeys() the
// answer ("Return", "n", "Escape"), then focusWindow(mainWindowId()) as a
// window manager would on its way back.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "pingbarrier.h"

// Texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace e2e {

// The titles of the first-run notice, the Configuration and browse windows
// and the name.cfg message boxes, as patterns for waitForWindow().
inline const QString kNoticeTitle = QStringLiteral("^Veldmark Colorizer$");
inline const QString kConfigurationTitle = QStringLiteral("Configuration$");
inline const QString kBrowseTitle = QStringLiteral("^Browse for Veldmark$");
inline const QString kMakeNameCfgTitle = QStringLiteral("^Make name.cfg$");

struct RunResult {
  int exitCode = -1;
  QString output;
};

// Runs a helper program to its end; failures come back in the exit code.
RunResult runTool(const QString& program, const QStringList& arguments, int timeoutMs = 10000);

class Session {
 public:
  // The main window's client area, below the menu bar, in pixels. Where the
  // program draws its own frame around it (Wine does), the frame is as wide
  // on the left, the right and the bottom.
  static constexpr int kClientWidth = 482;
  static constexpr int kClientHeight = 289;

  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  [[nodiscard]] QString home() const { return home_.path(); }
  [[nodiscard]] QString workingFolder() const;
  // The folder tintra is started in; created if missing. Call before start().
  void setWorkingFolder(const QString& folder);
  // The value of the first "key=" line of the settings file, as a person
  // reading the file would find it; empty when there is none.
  [[nodiscard]] QString settingsValue(const QString& key) const;
  [[nodiscard]] QString settingsFile() const;
  // Each session starts with a settings file in which the first-run notice
  // was already shown, so the main window comes up at once.
  void markFirstRunDone() const;
  void prependToPath(const QString& folder);
  // Another program to start instead of the Linux tintra (Wine with
  // tintra.exe, say), and where its settings file is. Call before start().
  void setProgram(const QString& program, const QStringList& arguments);
  void setSettingsFile(const QString& path);
  // Starts tintra on a screen scaled by the factor (QT_SCALE_FACTOR), as at
  // 200 % display scaling; the window's rectangles are then in scaled pixels.
  // Call before start().
  void setScale(int factor);
  [[nodiscard]] int scale() const { return scale_; }
  void setEnvironment(const QString& name, const QString& value);

  // Starts tintra and waits for the main window, gives it the focus (there is
  // no window manager to do so) and finds its client area.
  void start();
  // Starts tintra without waiting, for windows that come before the main one.
  void launch();
  void waitForMainWindow();
  // Stops tintra if it still runs, then starts it again with the same home.
  void restart();
  void kill();
  // Waits for tintra to end by itself; false on timeout.
  bool waitForExit(int timeoutMs = 10000);
  [[nodiscard]] bool isRunning() const;
  [[nodiscard]] QProcess& process() { return process_; }
  // Starts a helper program beside tintra (a stand-in clipboard manager, say),
  // stopped with the session.
  QProcess& startHelper(const QString& program, const QStringList& arguments = {});

  // Windows of the X server whose title matches the pattern (a regular expression).
  [[nodiscard]] QStringList findWindows(const QString& titlePattern) const;
  // Waits for such a window and returns its id; empty on timeout.
  QString waitForWindow(const QString& titlePattern, int timeoutMs = 10000) const;
  void focusWindow(const QString& windowId) const;
  // All windows with such a title, shown or not.
  [[nodiscard]] QStringList findAllWindows(const QString& titlePattern) const;
  // Waits until no shown window has such a title; false on timeout.
  bool waitForWindowGone(const QString& titlePattern, int timeoutMs = 10000) const;
  // Waits for the window and gives it the focus; false when it never came.
  bool focusWindowTitled(const QString& titlePattern) const;
  // Leaves another session's main window out of the searches above.
  void ignoreWindow(const QString& windowId) { ignored_ << windowId; }
  // Asks the main window to close, as its frame's close box does.
  void closeThroughFrame() const;
  // A window's frame on the screen, and a click at a point of it.
  [[nodiscard]] QRect windowGeometry(const QString& windowId) const;
  void clickWindow(const QString& windowId, QPoint point) const;
  // The main window's title, as a pattern for the calls above.
  [[nodiscard]] static QString mainTitlePattern();

  // Types the text, or pastes it when a character of it is not on the
  // keyboard map (xdotool's way of typing such a character, remapping a
  // spare key for a moment, loses some of them).
  void typeText(const QString& text) const;
  // Keys by their xdotool names, separated by spaces: "F1", "ctrl+a ctrl+c".
  void pressKeys(const QString& keys) const;
  // Waits until tintra has handled everything sent to it so far, and what
  // that started (a window shown and given the focus, a message box opened).
  void settle() const;
  // Clicks a point of the main window's client area, in pixels or twips.
  void clickClient(QPoint point) const;
  void clickTwips(int x, int y) const;

  [[nodiscard]] QString mainWindowId() const { return windowId_; }
  [[nodiscard]] QRect mainWindowRect() const { return windowRect_; }
  [[nodiscard]] QRect clientRect() const;
  // The whole screen, and the main window cut out of it.
  [[nodiscard]] QImage grabScreen() const;
  [[nodiscard]] QImage grabClient() const;

  // The text of the clipboard, as another program would paste it.
  [[nodiscard]] QString clipboardText() const;
  void setClipboardText(const QString& text) const;
  // Clicks into pureCode, selects all of it and copies it: the name as it
  // stands. The whole name stays selected.
  [[nodiscard]] QString readName() const;
  // Replaces the whole name with the text, typed into pureCode.
  void setName(const QString& name) const;
  // Quits through the "Close" button (next in the tab order after the name)
  // and answers the question about the clipboard with Yes.
  void quitWithYes() const;

  // Polls until the predicate holds for a grab of the client area; returns
  // the last grab, which the caller checks.
  QImage waitForClient(const std::function<bool(const QImage&)>& predicate,
                       int timeoutMs = 5000) const;

 private:
  void locateMainWindow();

  QTemporaryDir home_;
  QString workingFolder_;
  QProcessEnvironment environment_;
  std::vector<std::unique_ptr<QProcess>> helpers_;
  mutable QProcess process_;  // asking whether it ended updates it
  QString program_ = QStringLiteral(TINTRA_BINARY);
  QStringList arguments_;
  QString settingsFile_;
  std::unique_ptr<PingBarrier> barrier_ = std::make_unique<PingBarrier>();
  QString windowId_;
  QStringList ignored_;
  QRect windowRect_;
  int frame_ = 0;
  int scale_ = 1;
};

// A test with its own session, stopped at the end.
class E2eTest : public ::testing::Test {
 protected:
  Session session;
};

// A file's bytes, as the game would read them; empty when there is none.
QByteArray fileBytes(const QString& path);

// Where screenshots for people to look at go: build/<config>/screenshots.
QString screenshotPath(const QString& fileName);

}  // namespace e2e
