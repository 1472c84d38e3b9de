#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures what typing costs tintra against a bare Qt window with one line edit
# (and, for reference, a window whose preview is 18 line edits all restyled on
# every change):
# CPU time per keystroke of each program while xdotool types into it under a
# private Xvfb, in alternating rounds; then how long a 1 MB paste into the name,
# and a keystroke in front of it, take to show in the preview. Prints the
# figures and the ratio; not a test.
#
#   tests/bench/typing-cost.sh [keystrokes per round] [rounds]
set -euo pipefail
cd "$(dirname "$0")/../.."
keys=${1:-1500}
rounds=${2:-5}

if [[ -z "${TYPING_COST_IN_XVFB:-}" ]]; then
  cmake -S . -B build/bench-typing -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTINTRA_BUILD_TESTS=OFF -DTINTRA_BENCHMARKS=ON >/dev/null
  cmake --build build/bench-typing -j2 --target tintra bench_bare_lineedit bench_naive_cells bench_paste_latency >/dev/null
  export TYPING_COST_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Tintra" && chmod 700 "$XDG_RUNTIME_DIR"
# Not a first run: the first-run notice would hold the keystrokes.
printf '[Configuration]\nFirst Run=1\n' >"$XDG_CONFIG_HOME/Tintra/Tintra.ini"

# CPU time of a process, all its threads, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f\n", sum }'; }

# start_program <binary> <window title>: sets pid and window.
start_program() {
  "$1" &
  pid=$!
  window=$(xdotool search --sync --onlyvisible --name "$2" | head -1)
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

# A round: clear the box, then type the keystrokes; prints CPU ms per keystroke.
type_round() {
  xdotool key ctrl+a BackSpace
  sleep 0.2
  local text
  text=$(head -c "$keys" /dev/zero | tr '\0' 'x' | sed 's/xxxxxxx/abcdefg/g')
  local before after
  before=$(cpu_ns "$pid")
  xdotool type --delay 4 "$text"
  sleep 0.3
  after=$(cpu_ns "$pid")
  awk -v t=$((after - before)) -v k="$keys" 'BEGIN { printf "%.4f\n", t / 1000000 / k }'
}

programs=(bare naive tintra)
declare -A total binary title
binary=([bare]=build/bench-typing/tests/bench/bench_bare_lineedit
  [naive]=build/bench-typing/tests/bench/bench_naive_cells [tintra]=build/bench-typing/tintra)
title=([bare]="Bare line edit" [naive]="Naive cells" [tintra]="Veldmark Name Colorizer")
for program in "${programs[@]}"; do total[$program]=0; done
for ((round = 1; round <= rounds; ++round)); do
  for program in "${programs[@]}"; do
    start_program "${binary[$program]}" "${title[$program]}"
    cost=$(type_round)
    printf 'round %d  %-6s %s ms CPU per keystroke\n' "$round" "$program" "$cost"
    total[$program]=$(awk -v a="${total[$program]}" -v b="$cost" 'BEGIN { print a + b }')
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
done
awk -v b="${total[bare]}" -v n="${total[naive]}" -v t="${total[tintra]}" -v r="$rounds" 'BEGIN {
  printf "mean CPU per keystroke: bare %.4f ms, naive 18 cells %.4f ms, tintra %.4f ms\n",
    b / r, n / r, t / r
  printf "ratio to bare: naive %.2f, tintra %.2f\n", n / b, t / b }'

# The paste runs in an Xvfb of its own.
build/bench-typing/tests/bench/bench_paste_latency
