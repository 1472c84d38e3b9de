// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include <xcb/xcb.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryFile>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace e2e {
namespace {

const QString kMainTitle = QStringLiteral("^Veldmark Name Colorizer V[0-9.]+$");

// Between two looks at something waited for.
void pause(int milliseconds) {
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}

QString xdotool(const QStringList& arguments) {
  const RunResult result = runTool(QStringLiteral("xdotool"), arguments);
  return result.exitCode == 0 ? result.output.trimmed() : QString();
}

}  // namespace

RunResult runTool(const QString& program, const QStringList& arguments, int timeoutMs) {
  QProcess tool;
  tool.start(program, arguments);
  if (!tool.waitForFinished(timeoutMs)) {
    tool.kill();
    tool.waitForFinished();
    return {};
  }
  return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
          QString::fromLocal8Bit(tool.readAllStandardOutput())};
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString screenshotPath(const QString& fileName) {
  QDir().mkpath(QStringLiteral(TINTRA_SCREENSHOT_DIR));
  return QStringLiteral(TINTRA_SCREENSHOT_DIR "/") + fileName;
}

Session::Session()
    : workingFolder_(home() + QStringLiteral("/work")),
      environment_(QProcessEnvironment::systemEnvironment()) {
  QDir(home()).mkpath(QStringLiteral(".config"));
  QDir(home()).mkpath(QStringLiteral("work"));
  QDir(home()).mkpath(QStringLiteral("runtime"));
  QFile::setPermissions(home() + QStringLiteral("/runtime"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  environment_.insert(QStringLiteral("HOME"), home());
  environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), home() + QStringLiteral("/.config"));
  environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), home() + QStringLiteral("/runtime"));
  environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment_.remove(QStringLiteral("QT_SCALE_FACTOR"));
  process_.setProcessChannelMode(QProcess::ForwardedChannels);
  markFirstRunDone();
}

void Session::markFirstRunDone() const {
  QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
  QFile file(settingsFile());
  if (file.open(QIODevice::WriteOnly)) {
    file.write("[Configuration]\nFirst Run=1\n");
  }
}

Session::~Session() {
  kill();
  for (const auto& helper : helpers_) {
    helper->kill();
    helper->waitForFinished();
  }
}

QString Session::workingFolder() const {
  return workingFolder_;
}

void Session::setWorkingFolder(const QString& folder) {
  QDir().mkpath(folder);
  workingFolder_ = folder;
}

QString Session::settingsValue(const QString& key) const {
  QFile file(settingsFile());
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  const QString prefix = key + u'=';
  for (QString line : QString::fromUtf8(file.readAll()).split(u'\n')) {
    if (line.endsWith(u'\r')) {
      line.chop(1);  // a file from Windows
    }
    if (line.startsWith(prefix)) {
      return line.mid(prefix.size());
    }
  }
  return {};
}

QProcess& Session::startHelper(const QString& program, const QStringList& arguments) {
  auto& helper = helpers_.emplace_back(std::make_unique<QProcess>());
  helper->setProcessEnvironment(environment_);
  helper->start(program, arguments);
  helper->waitForStarted(10000);
  return *helper;
}

QString Session::mainTitlePattern() {
  return kMainTitle;
}

QString Session::settingsFile() const {
  return settingsFile_.isEmpty() ? home() + QStringLiteral("/.config/Tintra/Tintra.ini")
                                 : settingsFile_;
}

void Session::setSettingsFile(const QString& path) {
  settingsFile_ = path;
}

void Session::setProgram(const QString& program, const QStringList& arguments) {
  program_ = program;
  arguments_ = arguments;
}

void Session::prependToPath(const QString& folder) {
  environment_.insert(QStringLiteral("PATH"),
                      folder + u':' + environment_.value(QStringLiteral("PATH")));
}

void Session::setEnvironment(const QString& name, const QString& value) {
  environment_.insert(name, value);
}

void Session::launch() {
  process_.setProcessEnvironment(environment_);
  process_.setWorkingDirectory(workingFolder());
  process_.start(program_, arguments_);
  ASSERT_TRUE(process_.waitForStarted(10000)) << "tintra did not start";
}

void Session::start() {
  launch();
  waitForMainWindow();
}

void Session::waitForMainWindow() {
  windowId_ = waitForWindow(kMainTitle, 20000);
  ASSERT_FALSE(windowId_.isEmpty()) << "the main window did not appear";
  focusWindow(windowId_);
  locateMainWindow();
}

void Session::restart() {
  kill();
  start();
}

void Session::kill() {
  if (process_.state() != QProcess::NotRunning) {
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished();
    }
  }
  windowId_.clear();
}

bool Session::waitForExit(int timeoutMs) {
  return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
}

bool Session::isRunning() const {
  return process_.state() != QProcess::NotRunning;
}

QStringList Session::findWindows(const QString& titlePattern) const {
  const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), titlePattern});
  QStringList windows = found.split(u'\n', Qt::SkipEmptyParts);
  windows.removeIf([this](const QString& window) { return ignored_.contains(window); });
  return windows;
}

QString Session::waitForWindow(const QString& titlePattern, int timeoutMs) const {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < timeoutMs) {
    const QStringList windows = findWindows(titlePattern);
    if (!windows.isEmpty()) {
      return windows.first();
    }
    pause(100);
  }
  return {};
}

QStringList Session::findAllWindows(const QString& titlePattern) const {
  return xdotool({QStringLiteral("search"), QStringLiteral("--name"), titlePattern})
      .split(u'\n', Qt::SkipEmptyParts);
}

bool Session::waitForWindowGone(const QString& titlePattern, int timeoutMs) const {
  QElapsedTimer clock;
  clock.start();
  while (!findWindows(titlePattern).isEmpty()) {
    if (clock.elapsed() >= timeoutMs) {
      return false;
    }
    pause(100);
  }
  return true;
}

bool Session::focusWindowTitled(const QString& titlePattern) const {
  const QString id = waitForWindow(titlePattern);
  if (id.isEmpty()) {
    return false;
  }
  focusWindow(id);
  return true;
}

QRect Session::windowGeometry(const QString& windowId) const {
  const QString shell =
      xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId});
  QMap<QString, int> values;
  for (const QString& line : shell.split(u'\n')) {
    const QStringList pair = line.split(u'=');
    if (pair.size() == 2) {
      values.insert(pair.at(0), pair.at(1).toInt());
    }
  }
  return {values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
          values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT"))};
}

void Session::clickWindow(const QString& windowId, QPoint point) const {
  const QPoint screen = windowGeometry(windowId).topLeft() + point;
  xdotool({QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y()),
           QStringLiteral("click"), QStringLiteral("1")});
  settle();
}

// Without a window manager nothing activates a new window: give it the input
// focus as a window manager would.
void Session::focusWindow(const QString& windowId) const {
  xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId});
  settle();
}

// The message a window manager sends, which Wine's windows take too.
void Session::closeThroughFrame() const {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const auto atom = [connection](const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
  };
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = windowId_.toUInt();
  event.type = atom("WM_PROTOCOLS");
  event.data.data32[0] = atom("WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  // Checked, so that the server has taken the event before the connection
  // closes: a request still unread at the close may be dropped.
  std::free(xcb_request_check(
      connection, xcb_send_event_checked(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                                         reinterpret_cast<const char*>(&event))));
  xcb_disconnect(connection);
}

void Session::locateMainWindow() {
  const QString shell =
      xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId_});
  QMap<QString, int> values;
  for (const QString& line : shell.split(u'\n')) {
    const QStringList pair = line.split(u'=');
    if (pair.size() == 2) {
      values.insert(pair.at(0), pair.at(1).toInt());
    }
  }
  windowRect_ =
      QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
            values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
  const int frames = windowRect_.width() - kClientWidth * scale_;
  ASSERT_TRUE(frames >= 0 && frames % 2 == 0 && frames <= 16)
      << "the main window has its designed width, " << windowRect_.width() << " with its frame";
  frame_ = frames / 2;
  ASSERT_GT(windowRect_.height(), kClientHeight * scale_ + 2 * frame_)
      << "a menu bar sits above the client area";
}

QRect Session::clientRect() const {
  return {windowRect_.left() + frame_, windowRect_.bottom() + 1 - frame_ - kClientHeight * scale_,
          kClientWidth * scale_, kClientHeight * scale_};
}

void Session::setScale(int factor) {
  scale_ = factor;
  environment_.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(factor));
}

void Session::typeText(const QString& text) const {
  const bool onKeyboard = std::all_of(text.begin(), text.end(), [](QChar character) {
    return character.unicode() >= 0x20 && character.unicode() < 0x7F;
  });
  if (onKeyboard) {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
             QStringLiteral("--"), text});
    settle();
  } else {
    setClipboardText(text);
    pressKeys(QStringLiteral("ctrl+v"));
  }
}

void Session::pressKeys(const QString& keys) const {
  if (program_ != QStringLiteral(TINTRA_BINARY)) {
    // Under Wine a key that comes while a menu or window is still opening can
    // go astray: one at a time, each settled, as a person presses them.
    for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
      xdotool({QStringLiteral("key"), key});
      settle();
    }
    return;
  }
  xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} +
          keys.split(u' ', Qt::SkipEmptyParts));
  settle();
}

void Session::settle() const {
  if (program_ != QStringLiteral(TINTRA_BINARY)) {
    // Under Wine the ping is answered by Wine's X11 driver, before the
    // Windows program has read the keys: give it the time a user would.
    pause(300);
    return;
  }
  if (windowId_.isEmpty() || process_.state() == QProcess::NotRunning) {
    return;
  }
  const auto running = [this] {
    return process_.state() != QProcess::NotRunning && !process_.waitForFinished(0);
  };
  if (!barrier_->pass(windowId_.toUInt(), 10000, running) && running()) {
    std::cerr << "tintra did not answer a ping: busy for 10 s, or its window is gone\n";
  }
}

void Session::clickClient(QPoint point) const {
  const QPoint screen = clientRect().topLeft() + point;
  // "mousemove --sync" waits for a motion, which never comes when the pointer
  // is already there.
  const QString location = xdotool({QStringLiteral("getmouselocation")});
  const QString here = QStringLiteral("x:%1 y:%2 ").arg(screen.x()).arg(screen.y());
  if (!location.startsWith(here)) {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screen.x()),
             QString::number(screen.y())});
  }
  xdotool({QStringLiteral("click"), QStringLiteral("1")});
  settle();
}

void Session::clickTwips(int x, int y) const {
  clickClient(QPoint(x / 15, y / 15));
}

QImage Session::grabScreen() const {
  return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
      QImage::Format_RGB32);
}

QImage Session::grabClient() const {
  return grabScreen().copy(clientRect());
}

QString Session::clipboardText() const {
  return runTool(QStringLiteral("xclip"),
                 {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")})
      .output;
}

void Session::setClipboardText(const QString& text) const {
  QTemporaryFile file;
  if (!file.open()) {
    return;
  }
  file.write(text.toUtf8());
  file.flush();
  // xclip stays in the background to serve the text until another program
  // takes the clipboard. It takes the clipboard from there, after the
  // command has returned: wait until it serves the text.
  QProcess xclip;
  xclip.setStandardOutputFile(QProcess::nullDevice());
  xclip.setStandardErrorFile(QProcess::nullDevice());
  xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                        QStringLiteral("-i"), file.fileName()});
  xclip.waitForFinished(5000);
  QElapsedTimer clock;
  clock.start();
  while (clipboardText() != text && clock.elapsed() < 5000) {
    pause(20);
  }
}

QString Session::readName() const {
  // Copying an empty box leaves the clipboard as it was: mark it first.
  const QString marker = QStringLiteral("(nothing copied)");
  setClipboardText(marker);
  clickTwips(120 + 120 + 2000, 1320 + 240 + 180);  // into pureCode
  pressKeys(QStringLiteral("ctrl+a ctrl+c"));
  const QString name = clipboardText();
  return name == marker ? QString() : name;
}

void Session::setName(const QString& name) const {
  focusWindow(windowId_);
  pressKeys(QStringLiteral("ctrl+a"));
  typeText(name);
}

void Session::quitWithYes() const {
  focusWindow(windowId_);
  pressKeys(QStringLiteral("Tab space"));
  if (focusWindowTitled(QStringLiteral("^Exit\\?$"))) {
    pressKeys(QStringLiteral("Return"));
  }
}

QImage Session::waitForClient(const std::function<bool(const QImage&)>& predicate,
                              int timeoutMs) const {
  QElapsedTimer clock;
  clock.start();
  QImage image = grabClient();
  while (!predicate(image) && clock.elapsed() < timeoutMs) {
    pause(100);
    image = grabClient();
  }
  if (!predicate(image)) {
    std::cerr << "waited " << timeoutMs << " ms for the screen in vain\n";
  }
  return image;
}

}  // namespace e2e
