// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the name box's undo history costs on a 1 MB name: the memory the
// process holds after 20 clicks of Cycle Colors (each a step of its own), and
// how long an undo and a redo of such a step take, preview included. Runs the
// real main window on the offscreen platform; prints the figures.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <cstdio>
#include <functional>
#include <limits>

#include "app/mainwindow.h"
#include "fakeplatform.h"

namespace {

// The resident memory of this process, in KiB.
long residentKib() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) {
    return -1;
  }
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
  }
  return -1;
}

QString megabyteName() {
  QString name;
  while (name.size() < (1 << 20)) {
    name += QStringLiteral("^1Ab^2cD");
  }
  name.truncate(1 << 20);
  return name;
}

double millisecondsOf(const std::function<void()>& action) {
  QElapsedTimer clock;
  clock.start();
  action();
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing_support::FakePlatform platform;
  platform.settings.insert(QStringLiteral("Configuration/First Run"), QStringLiteral("1"));
  app::MainWindow window(platform);
  app::NameBox* box = window.pureCodeEdit();
  window.setName(megabyteName());
  box->startHistory();

  constexpr int kClicks = 20;
  const long before = residentKib();
  const double clicking = millisecondsOf([&] {
    for (int click = 0; click < kClicks; ++click) {
      window.cycleColors_Click();
    }
  });
  const long after = residentKib();
  std::printf("%d Cycle Colors clicks on a name of %lld characters: %.0f ms\n", kClicks,
              static_cast<long long>(window.name().size()), clicking);
  std::printf(
      "resident memory %ld MiB before, %ld MiB after (+%ld MiB); %lld steps kept, "
      "%lld characters\n",
      before / 1024, after / 1024, (after - before) / 1024,
      static_cast<long long>(box->history().undoSteps()),
      static_cast<long long>(box->history().keptCharacters()));
  const double undo = millisecondsOf([&] { box->undoStep(); });
  const double redo = millisecondsOf([&] { box->redoStep(); });
  // For scale: what assigning such a name to a bare line edit takes.
  QLineEdit bare;
  bare.setMaxLength(std::numeric_limits<int>::max());
  const QString name = window.name();
  const double assign = millisecondsOf([&] { bare.setText(name); });
  std::printf("one undo %.1f ms, one redo %.1f ms (setText of a bare QLineEdit: %.1f ms)\n", undo,
              redo, assign);
  const double all = millisecondsOf([&] {
    while (box->canUndo()) {
      box->undoStep();
    }
  });
  std::printf("all %d undos %.0f ms\n", kClicks, all);
  return 0;
}
