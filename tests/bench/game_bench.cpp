// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two checks of game/ that run on the GUI thread over input of any size:
// listing a folder's subfolders (20,000, 40,000 and 100,000 of them, one in
// ten hidden) and checking a name of ideographs for characters name.cfg
// cannot hold. Both should grow in proportion to their input.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "game/folderlisting.h"
#include "game/windows1252.h"

namespace {

void subfolders(benchmark::State& state) {
  const QTemporaryDir root;
  const QDir dir(root.path());
  for (int index = 0; index < state.range(0); ++index) {
    dir.mkdir(QStringLiteral("%1folder%2").arg(index % 10 == 0 ? "." : "").arg(index));
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(game::subfolders(root.path()));
  }
}
BENCHMARK(subfolders)->Arg(20000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond);

void windows1252(benchmark::State& state) {
  QString name;
  for (qsizetype index = 0; index < state.range(0); ++index) {
    name += QChar(static_cast<char16_t>(0x4E00 + index % 0x5200));  // CJK ideographs
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(game::toWindows1252(name));
  }
}
BENCHMARK(windows1252)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
