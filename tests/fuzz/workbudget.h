// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <time.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

// Aborts when one input took more processor time than a fixed allowance plus
// a share per input byte: work that grows faster than the input shows up as
// a crash with the input saved, long before libFuzzer's own timeout. Thread
// time, not wall time, so that other load on the machine does not count.
class WorkBudget {
 public:
  WorkBudget(std::size_t inputBytes, double baseMs, double msPerKiB)
      : limitMs_(baseMs + msPerKiB * static_cast<double>(inputBytes) / 1024.0), startMs_(nowMs()) {}

  void check() const {
    const double spentMs = nowMs() - startMs_;
    if (spentMs > limitMs_) {
      std::fprintf(stderr, "work budget exceeded: %.1f ms of %.1f ms\n", spentMs, limitMs_);
      std::abort();
    }
  }

 private:
  static double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
  }

  double limitMs_;
  double startMs_;
};
