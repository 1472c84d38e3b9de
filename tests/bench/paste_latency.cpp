// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long tintra takes to show a 1 MB paste in its preview, and how long a
// keystroke takes to show while the name is that long. Runs the real program
// in a private Xvfb through the end-to-end harness; prints wall times.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

#include "previewpixels.h"
#include "session.h"
#include "virtualdisplay.h"

namespace {

constexpr QRgb kRed = 0xFF0000u;
constexpr QRgb kWhite = 0xFFFFFFu;

bool shows(const QImage& client, int cell, QRgb colour) {
  return e2e::inkOf(client, cell, colour).pixels >= 10;
}

// Milliseconds from the action until the screen shows the expected preview.
qint64 timeUntil(const e2e::Session& session, const std::function<void()>& action,
                 const std::function<bool(const QImage&)>& shown) {
  QElapsedTimer clock;
  clock.start();
  action();
  const QImage last = session.waitForClient(shown, 20000);
  return shown(last) ? clock.elapsed() : -1;
}

QString megabyteName() {
  QString name;
  name.reserve(1 << 20);
  name += QStringLiteral("PASTE");
  while (name.size() < (1 << 20)) {
    name += QChar(static_cast<char16_t>(u'a' + (name.size() * 7) % 26));
  }
  return name;
}

}  // namespace

int main(int argc, char* argv[]) {
  e2e::VirtualDisplay display;
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication application(argc, argv);
  e2e::Session session;
  session.start();
  session.waitForClient([](const QImage& image) { return shows(image, 0, kRed); });
  session.setClipboardText(megabyteName());
  session.pressKeys(QStringLiteral("ctrl+a"));

  const qint64 paste = timeUntil(
      session, [&] { session.pressKeys(QStringLiteral("ctrl+v")); },
      [](const QImage& image) { return shows(image, 0, kWhite) && !shows(image, 0, kRed); });
  std::printf("1 MB paste shown after %lld ms (including the clipboard transfer)\n",
              static_cast<long long>(paste));

  session.pressKeys(QStringLiteral("Home"));
  const qint64 code = timeUntil(
      session, [&] { session.typeText(QStringLiteral("^1")); },
      [](const QImage& image) { return shows(image, 0, kRed); });
  std::printf("\"^1\" typed before 1 MB shown after %lld ms\n", static_cast<long long>(code));

  const qint64 clear = timeUntil(
      session, [&] { session.pressKeys(QStringLiteral("F9")); },
      [](const QImage& image) { return !shows(image, 0, kRed) && !shows(image, 0, kWhite); });
  std::printf("F9 on the 1 MB name shown after %lld ms\n", static_cast<long long>(clear));
  return paste >= 0 && code >= 0 && clear >= 0 ? 0 : 1;
}
