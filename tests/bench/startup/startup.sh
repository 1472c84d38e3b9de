#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up benchmark: how long tintra takes to be on screen and ready to type,
# and its peak memory by then, against a bare Qt window with one line edit
# built beside it. Both run alternately in a private Xvfb; the medians and
# their ratios are printed. The budget is 1.2 times the bare window for both.
#
#   tests/bench/startup/startup.sh [runs per program, default 15]
#
# Builds a Release tree in build/bench-startup (or $TINTRA_BENCH_BUILD) with
# -DTINTRA_BENCHMARKS=ON. Times are noisy on a shared machine: compare the
# ratios of one run, not absolute times across runs.
set -euo pipefail
runs=${1:-15}
source_dir=$(cd "$(dirname "$0")/../../.." && pwd)
build=${TINTRA_BENCH_BUILD:-$source_dir/build/bench-startup}

cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTINTRA_BENCHMARKS=ON -DTINTRA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target tintra bench_barewindow bench_readytimer >/dev/null
timer=$build/tests/bench/startup/bench_readytimer
bare=$build/tests/bench/startup/bench_barewindow
program=$build/tintra

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# A display of its own (-displayfd picks a free number); -noreset keeps the
# server up between the runs.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s "$scratch/display" ]] && break
  sleep 0.1
done
export DISPLAY=":$(cat "$scratch/display")"
unset QT_QPA_PLATFORM

# tintra keeps its settings in a scratch home, where the first-run notice has
# been seen: every timed start is an ordinary one.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config
mkdir -p "$XDG_CONFIG_HOME/Tintra"
printf '[Configuration]\nFirst Run=1\n' >"$XDG_CONFIG_HOME/Tintra/Tintra.ini"

measure() { # name title command...
  local name=$1 title=$2
  shift 2
  "$timer" "$title" "$@" 2>>"$scratch/stderr.log" >>"$scratch/$name"
}

# Warm the disk cache and the font cache; these runs are not counted.
measure warmup "Bare window" "$bare"
measure warmup "Veldmark Name Colorizer V" "$program"
rm -f "$scratch/warmup"

for ((run = 1; run <= runs; run++)); do
  if ((run % 2)); then
    measure bare "Bare window" "$bare"
    measure tintra "Veldmark Name Colorizer V" "$program"
  else
    measure tintra "Veldmark Name Colorizer V" "$program"
    measure bare "Bare window" "$bare"
  fi
done

median() { # file column
  awk -v c="$2" '{ print $c }' "$1" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for name in bare tintra; do
  count=$(wc -l <"$scratch/$name")
  if ((count != runs)); then
    echo "only $count of $runs runs of $name succeeded:" >&2
    cat "$scratch/stderr.log" >&2
    exit 1
  fi
done

printf '%-16s %10s %10s %10s %10s\n' "medians of $runs" "mapped ms" "ready ms" "cpu ms" "peak KiB"
for name in bare tintra; do
  printf '%-16s %10s %10s %10s %10s\n' "$name" "$(median "$scratch/$name" 1)" \
    "$(median "$scratch/$name" 2)" "$(median "$scratch/$name" 4)" "$(median "$scratch/$name" 3)"
done
ratio() { # column
  awk -v a="$(median "$scratch/tintra" "$1")" -v b="$(median "$scratch/bare" "$1")" \
    'BEGIN { printf "%10.2f", a / b }'
}
printf '%-16s %s %s %s %s   (budget 1.20)\n' "ratio" "$(ratio 1)" "$(ratio 2)" "$(ratio 4)" \
  "$(ratio 3)"
