#!/usr/bin/env bash
# Runs a command in a private Xvfb. The server picks a free display itself
# (-displayfd), so end-to-end tests that run side by side never share one, and
# it is stopped whatever way the command ends.
set -euo pipefail
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$fifo"' EXIT
read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
"$@"
