// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform tests drive real widgets, so they run inside a QApplication, on
// the offscreen platform unless told otherwise (also when CTest lists them).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstring>

#include "platform/settingsstore.h"

namespace {

// Another copy of the program for the settings store's test: saves KEY as 1
// to COUNT in "Saved Names" of FILE, checks before each save that the file
// still holds the value last saved, prints the last value saved and exits
// with how many it found lost.
int saveLoop(const QString& file, const QString& key, int count) {
  platform::SettingsStore store(file);
  int saved = 0;
  int lost = 0;
  for (int value = 1; value <= count; ++value) {
    lost += platform::SettingsStore(file).get("Saved Names", key, "0").toInt() != saved ? 1 : 0;
    saved = store.save("Saved Names", key, QString::number(value)) ? value : saved;
  }
  std::printf("%d\n", saved);
  return lost;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 5 && std::strcmp(argv[1], "--save-loop") == 0) {
    return saveLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                    std::atoi(argv[4]));
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
