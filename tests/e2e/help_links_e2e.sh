#!/usr/bin/env bash
# End to end, as a user would: the real program in an X server, driven with
# xdotool. The web links reach a stand-in xdg-open placed first on PATH, a
# failed launch shows the "ExecuteLink" message, and Help and About each open
# once however often they are asked for.
# Usage: help_links_e2e.sh <tintra binary> <folder with help.txt and readme.txt>
set -euo pipefail
tintra="$(realpath "$1")"
data="$(realpath "$2")"
unset QT_QPA_PLATFORM

tmp="$(mktemp -d)"
pid=""
cleanup() {
  if [[ -n "$pid" ]]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "links opened:" >&2
  cat "$tmp/opened.log" >&2 2>/dev/null || true
  exit 1
}

# A settings file past the first-run notice, so that no message box waits at start-up.
mkdir -p "$tmp/bin" "$tmp/work" "$tmp/config/Tintra"
printf '[Configuration]\nFirst Run=1\n' > "$tmp/config/Tintra/Tintra.ini"
cat > "$tmp/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$*" >> "$tmp/opened.log"
if [ -e "$tmp/fail" ]; then exit 4; fi
exit 0
OPENER
chmod +x "$tmp/bin/xdg-open"
touch "$tmp/opened.log"
cp "$data/help.txt" "$data/readme.txt" "$tmp/work/"

cd "$tmp/work"
PATH="$tmp/bin:$PATH" XDG_CONFIG_HOME="$tmp/config" "$tintra" &
pid=$!

wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^Veldmark Name Colorizer V1\.22$' | head -1)"
[[ -n "$wid" ]] || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$wid")"
menuBar=$((HEIGHT - 289))  # the client area is 289 pixels high

# Clicks a point of the main window's client area.
click() {
  xdotool mousemove $((X + $1)) $((Y + menuBar + $2)) click 1
  sleep 0.4
}
helpButton() { click 100 268; }
webSiteButton() { click 240 268; }
checkUpdateButton() { click 336 268; }

# Opens the last menu of the bar, "Help", from the keyboard and walks down
# its items: 0 "Help..", 1 "A&bout..", 2 "Tintra Web Site..", 3 "Check for Update..".
helpMenuItem() {
  xdotool windowfocus --sync "$wid"
  sleep 0.3
  xdotool key alt
  sleep 0.3
  xdotool key Left
  sleep 0.3
  xdotool key Down
  sleep 0.4
  for ((step = 0; step < $1; step++)); do
    xdotool key Down
    sleep 0.2
  done
  xdotool key Return
  sleep 0.5
}

windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

waitForLines() {
  for _ in $(seq 50); do
    [[ "$(wc -l < "$tmp/opened.log")" -ge "$1" ]] && return 0
    sleep 0.1
  done
  fail "expected $1 links to be opened"
}

site="http://www.tintra.example/tintra"
update="http://www.tintra.example/tintra/version.asp?Version=122"

# The button and the menu item open the same pages.
webSiteButton
helpMenuItem 2
checkUpdateButton
helpMenuItem 3
waitForLines 4
expected="$(printf '%s\n' "$site" "$site" "$update" "$update")"
[[ "$(cat "$tmp/opened.log")" == "$expected" ]] || fail "unexpected links"

# Help, asked for four times, and About, asked for twice, open once each.
helpButton
helpButton
helpMenuItem 0
helpButton
helpMenuItem 1
helpMenuItem 1
timeout 10 xdotool search --sync --onlyvisible --name '^About$' > /dev/null ||
  fail "the About window did not appear"
[[ "$(windows '^Help$')" -eq 1 ]] || fail "expected one Help window, saw $(windows '^Help$')"
[[ "$(windows '^About$')" -eq 1 ]] || fail "expected one About window, saw $(windows '^About$')"

# "Close" and "Close Help" unload their windows; the next Help opens one again.
clickInWindow() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.5
}
clickInWindow "$(xdotool search --onlyvisible --name '^About$' | head -1)" 364 196
[[ "$(windows '^About$')" -eq 0 ]] || fail "Close left the About window open"
help="$(xdotool search --onlyvisible --name '^Help$' | head -1)"
clickInWindow "$help" 328 268
[[ "$(windows '^Help$')" -eq 0 ]] || fail "Close Help left the window open"
eval "$(xdotool getwindowgeometry --shell "$wid")"
helpButton
timeout 10 xdotool search --sync --onlyvisible --name '^Help$' > /dev/null ||
  fail "Help did not open again after Close Help"

# A launch that the desktop reports as failed is told to the user.
touch "$tmp/fail"
webSiteButton &
clicker=$!
box="$(timeout 10 xdotool search --sync --onlyvisible --name '^ExecuteLink$' | head -1)" ||
  fail "no ExecuteLink message after a failed launch"
xdotool windowfocus --sync "$box"
xdotool key Return
wait "$clicker"
sleep 0.5
[[ "$(windows '^ExecuteLink$')" -eq 0 ]] || fail "the ExecuteLink message did not close"
waitForLines 5

echo "PASS"
