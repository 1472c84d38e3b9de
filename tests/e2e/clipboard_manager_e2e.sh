#!/usr/bin/env bash
# Quitting with Yes where a clipboard manager runs: tintra hands the name to
# the manager and ends at once, and the name stays pasteable.
#
# Usage: tests/e2e/run-in-xvfb.sh tests/e2e/clipboard_manager_e2e.sh path/to/tintra path/to/fakeclipboardmanager
set -uo pipefail

source "$(dirname "$0")/e2e_lib.sh"
manager="$2"

"$manager" >"$work/manager.out" 2>&1 &
helper_pids+=($!)
for _ in $(seq 50); do grep -q ready "$work/manager.out" && break; sleep 0.1; done
check "clipboard manager running" "$(grep -c ready "$work/manager.out")" "1"

mkdir -p "$(dirname "$ini")"
printf '[Configuration]\nFirst Run=1\n' >"$ini"
start
wait_window "$main" >/dev/null || fail "no main window"
set_name '^5Aqua ^6Pink'
quit_with_yes
wait_gone "$main" || fail "main window stayed after Yes"
wait_exit || fail "tintra kept running although a clipboard manager took the name"
check "the manager got the name" "$(grep -c saved "$work/manager.out")" "1"
check "clipboard after tintra has gone" "$(xclip -o -selection clipboard)" "^5Aqua ^6Pink"

finish
