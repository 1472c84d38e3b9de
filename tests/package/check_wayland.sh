#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the program on Qt's Wayland platform under a headless Weston
# compositor and reads the client's side of the protocol (WAYLAND_DEBUG):
# the program must name its window, answer the compositor's configure and
# attach a drawn buffer, and still be running after a few seconds.
# Usage: check_wayland.sh <program> <scratch dir> <app id>
set -euo pipefail
program=$1 work=$2 app_id=$3

rm -rf "$work"
mkdir -p "$work/runtime" "$work/home"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
socket=tintra-test
# A user who has seen the first-run notice: the main window comes up at once.
mkdir -p "$XDG_CONFIG_HOME/Tintra"
printf '[Configuration]\nFirst Run=1\n' >"$XDG_CONFIG_HOME/Tintra/Tintra.ini"

weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
  --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && break
  sleep 0.1
done
if [[ ! -S "$XDG_RUNTIME_DIR/$socket" ]]; then
  echo "FAIL: weston did not start" >&2
  cat "$work/weston.log" >&2
  exit 1
fi

status=0
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  timeout 5 "$program" >"$work/client.log" 2>&1 || status=$?

failures=0
expect() { # description, extended regular expression
  grep -qE -e "$2" "$work/client.log" || {
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
  }
}
((status == 124)) || {
  echo "FAIL: the program ended with status $status" >&2
  failures=$((failures + 1))
}
expect "no window titled Veldmark Name Colorizer V..." \
  '-> xdg_toplevel@[0-9]+\.set_title\("Veldmark Name Colorizer V[0-9.]+"\)'
expect "the window does not name its desktop entry $app_id" \
  "-> xdg_toplevel@[0-9]+\\.set_app_id\\(\"$app_id\"\\)"
expect "the configure is not acknowledged" '-> xdg_surface@[0-9]+\.ack_configure\('
expect "no buffer is attached to the window" '-> wl_surface@[0-9]+\.attach\(wl_buffer@'
if ((failures > 0)); then
  echo "see $work/client.log" >&2
  exit 1
fi
echo "the program runs on Wayland"
