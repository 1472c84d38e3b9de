// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Render, each rewrite and Color Letters on a 40-character name and on a 1 MB
// name (Color Letters also on a quarter of it, to show the time is linear). A
// character counts as one byte, as in the game's single-byte names, so the
// bytes_per_second column reads as characters per second.
#include <benchmark/benchmark.h>

#include "core/colorcodes.h"

namespace {

constexpr qsizetype kShort = 40;
constexpr qsizetype kMegabyte = 1 << 20;

// A mix of codes, small and large letters, spaces and stray carets.
QString mixedName(qsizetype characters) {
  const QString piece = QStringLiteral("^1T^2a^3r ^4n^5w^6i^7c^8k^1!^0x^^9 Name");
  return piece.repeated(characters / piece.size() + 1).left(characters);
}

// The render's worst case: codes only, so the scan never fills the row.
QString codesOnly(qsizetype characters) {
  return QStringLiteral("^1^2^3^4^5^6^7^8^9").repeated(characters / 18 + 1).left(characters);
}

template <typename Run>
void measure(benchmark::State& state, const QString& name, Run run) {
  for (auto _ : state) {
    run(name);
  }
  state.SetBytesProcessed(state.iterations() * name.size());
}

void render(benchmark::State& state, const QString& name) {
  core::PreviewCells cells = core::initialPreviewCells();
  measure(state, name, [&cells](const QString& text) {
    core::renderPreview(cells, text);
    benchmark::DoNotOptimize(cells);
  });
}

void cycle(benchmark::State& state, const QString& name) {
  measure(state, name,
          [](const QString& text) { benchmark::DoNotOptimize(core::cycleColorCodes(text)); });
}

void strip(benchmark::State& state, const QString& name) {
  measure(state, name,
          [](const QString& text) { benchmark::DoNotOptimize(core::stripColorCodes(text)); });
}

void replace(benchmark::State& state, const QString& name) {
  measure(state, name, [](const QString& text) {
    benchmark::DoNotOptimize(core::replaceColorCode(text, 1, 2));
  });
}

void rainbow(benchmark::State& state, const QString& name) {
  measure(state, name,
          [](const QString& text) { benchmark::DoNotOptimize(core::rainbowLetters(text, 0, 0)); });
}

void fade(benchmark::State& state, const QString& name) {
  measure(state, name, [](const QString& text) {
    benchmark::DoNotOptimize(core::fadeLetters(text, 0, 0, 1, 6));
  });
}

// A selection in the middle: the text around it is read as well.
void randomMiddle(benchmark::State& state, const QString& name) {
  QRandomGenerator random(1);
  measure(state, name, [&random](const QString& text) {
    benchmark::DoNotOptimize(core::randomLetters(text, text.size() / 4, text.size() / 2, random));
  });
}

const QString kShortName = mixedName(kShort);
const QString kQuarterName = mixedName(kMegabyte / 4);
const QString kLongName = mixedName(kMegabyte);
const QString kLongCodes = codesOnly(kMegabyte);

}  // namespace

BENCHMARK_CAPTURE(render, name40, kShortName);
BENCHMARK_CAPTURE(render, mixed1MB, kLongName);
BENCHMARK_CAPTURE(render, codes1MB, kLongCodes);
BENCHMARK_CAPTURE(cycle, name40, kShortName);
BENCHMARK_CAPTURE(cycle, mixed1MB, kLongName);
BENCHMARK_CAPTURE(strip, name40, kShortName);
BENCHMARK_CAPTURE(strip, mixed1MB, kLongName);
BENCHMARK_CAPTURE(replace, name40, kShortName);
BENCHMARK_CAPTURE(replace, mixed1MB, kLongName);
BENCHMARK_CAPTURE(rainbow, name40, kShortName);
BENCHMARK_CAPTURE(rainbow, mixed256kB, kQuarterName);
BENCHMARK_CAPTURE(rainbow, mixed1MB, kLongName);
BENCHMARK_CAPTURE(fade, name40, kShortName);
BENCHMARK_CAPTURE(fade, mixed1MB, kLongName);
BENCHMARK_CAPTURE(randomMiddle, name40, kShortName);
BENCHMARK_CAPTURE(randomMiddle, mixed256kB, kQuarterName);
BENCHMARK_CAPTURE(randomMiddle, mixed1MB, kLongName);
