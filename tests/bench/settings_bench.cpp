// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A read of the settings store on a 100 kB file, beside reading the file's
// bytes alone; and the read right after another copy changed the file,
// which parses it again. Each should stay well under a millisecond.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/settingsstore.h"

namespace {

struct File {
  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("Tintra.ini"));
  File() {
    // In the order the store writes its keys.
    QByteArray bytes("[Saved Names]\n");
    for (int slot = 0; bytes.size() < 100000; ++slot) {
      bytes +=
          "Slot" + QByteArray::number(slot).rightJustified(5, '0') + "=^1Name ^2of ^3a ^4player\n";
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
  }
};

void fileBytes(benchmark::State& state) {
  const File file;
  for (auto _ : state) {
    QFile read(file.path);
    read.open(QIODevice::ReadOnly);
    benchmark::DoNotOptimize(read.readAll());
  }
}
BENCHMARK(fileBytes)->Unit(benchmark::kMicrosecond);

void storeRead(benchmark::State& state) {
  const File file;
  platform::SettingsStore store(file.path);
  platform::SettingsStore other(file.path);
  const bool changed = state.range(0) != 0;
  int value = 0;
  for (auto _ : state) {
    if (changed) {
      state.PauseTiming();
      other.save("Saved Names", "Slot1", QStringLiteral("^%1Name").arg(++value % 2 + 1));
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(store.get("Saved Names", "Slot1", {}));
  }
}
BENCHMARK(storeRead)->ArgName("changed")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
