#!/usr/bin/env bash
# Settings, slots, name.cfg and the clipboard after quitting, as a user meets
# them: the real tintra in its own X server, driven with xdotool, read back
# from the settings file, name.cfg and the clipboard (xclip).
#
# Usage: xvfb-run -a settings_e2e.sh path/to/tintra
set -uo pipefail

tintra="$1"
work="$(mktemp -d)"
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
ini="$XDG_CONFIG_HOME/Tintra/Tintra.ini"
game="$work/Veldmark Gold"
mkdir -p "$HOME" "$game/main/scripts"
touch "$game/VeldmarkMP.exe"
printf 'Name old\r\nbind x quit\r\n' >"$game/main/scripts/name.cfg"

pid=""
failures=0
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
check() {  # check "what" actual expected
  if [[ "$2" == "$3" ]]; then echo "ok: $1"; else fail "$1: got [$2], expected [$3]"; fi
}

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
wait_window() {  # wait_window pattern -> id
  for _ in $(seq 100); do
    local id
    id="$(visible "$1")"
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
wait_gone() {
  for _ in $(seq 100); do
    [[ -z "$(visible "$1")" ]] && return 0
    sleep 0.1
  done
  return 1
}
# There is no window manager: give a window the focus by hand.
focus() {
  local id
  id="$(wait_window "$1")" || { fail "no window $1"; return 1; }
  xdotool windowfocus --sync "$id"
  sleep 0.3
}
keys() { xdotool key --delay 80 "$@"; sleep 0.4; }
main='^Veldmark Name Colorizer V'

start() {
  (cd "$game" && exec "$tintra" >>"$work/log" 2>&1) &
  pid=$!
}
wait_exit() {
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || { pid=""; return 0; }
    sleep 0.1
  done
  return 1
}
set_name() { focus "$main" && keys ctrl+a && xdotool type --delay 30 "$1" && sleep 0.3; }
read_name() {
  focus "$main" && keys ctrl+a ctrl+c
  xclip -o -selection clipboard
}
ini_value() { grep -m 1 "^$1=" "$ini" | cut -d= -f2-; }
# Quit through the "Close" button (next in the tab order after the name) and
# answer the question with Yes.
quit_with_yes() {
  focus "$main" && keys Tab space
  focus '^Exit\?$' && keys Return
}

# --- First run: the notice comes before the main window, once ---------------
start
wait_window '^Veldmark Colorizer$' >/dev/null || fail "no first-run notice"
check "main window hidden behind the notice" "$(xdotool search --name "$main" | wc -l)" "0"
focus '^Veldmark Colorizer$' && keys Return
wait_window "$main" >/dev/null || fail "no main window"
check "first run stored" "$(ini_value 'First Run')" "1"

# --- A slot, the game folder through Configuration and Browse ---------------
set_name '^4Blue Moon'
keys alt+a Right Return  # Saved > Save To Slot > Slot 1
check "slot 1 stored" "$(ini_value Slot1)" "^4Blue Moon"

focus "$main" && keys alt+o
focus 'Configuration$' && keys Tab space  # ".." opens the browse window
# It opens in the current folder, which holds the executable.
focus '^Browse for Veldmark$' && keys Tab Tab space Tab space
wait_gone '^Browse for Veldmark$' || fail "browse window stayed open"
check "game folder stored" "$(ini_value 'Veldmark Location')" "$game"
# Back in Configuration: switch "Save content on quit" on and close.
focus 'Configuration$' && keys Tab Tab Tab space Tab space
wait_gone 'Configuration$' || fail "Configuration stayed open"
check "save on quit stored" "$(ini_value 'Save On Quit')" "1"

# --- name.cfg into the game folder --------------------------------------------
set_name '  ^1Red ^2Grün  '
focus "$main" && keys alt+x Right Return  # the "Make name.cfg" item
focus '^Make name.cfg$' && keys Return  # Yes, replace it
focus '^Make name.cfg$' && keys Return  # the confirmation
check "name.cfg bytes" "$(od -An -tx1 "$game/main/scripts/name.cfg" | tr -s ' \n' ' ')" \
  "$(printf 'Name ^1Red ^2Gr\xfcn\r\n' | od -An -tx1 | tr -s ' \n' ' ')"

# --- Quit with Yes: the name outlives the program on the clipboard -----------
quit_with_yes
wait_gone "$main" || fail "main window stayed after Yes"
check "saved name stored trimmed" "$(ini_value 'Saved Name')" "^1Red ^2Grün"
check "clipboard after the windows closed" "$(xclip -o -selection clipboard)" "  ^1Red ^2Grün  "
check "no window left" "$(xdotool search --onlyvisible --name . | wc -l)" "0"
kill -0 "$pid" 2>/dev/null || fail "tintra ended without a clipboard manager to take the name"
# Another program takes the clipboard over: tintra has nothing left to do.
printf 'other' | xclip -selection clipboard -loops 1
wait_exit || fail "tintra kept running after the clipboard was taken over"
check "the other program's clipboard" "$(xclip -o -selection clipboard)" "other"

# --- Second run: no notice, the name restored, slot 1 kept across runs -------
start
wait_window "$main" >/dev/null || fail "no main window on the second run"
check "no notice on the second run" "$(xdotool search --name '^Veldmark Colorizer$' | wc -l)" "0"
check "name restored at start-up" "$(read_name)" "^1Red ^2Grün"
focus "$main" && keys alt+a Down Right Return  # Saved > Restore From Slot > Slot 1
check "slot 1 restored" "$(read_name)" "^4Blue Moon"
quit_with_yes
wait_gone "$main" || fail "main window stayed after Yes"
printf 'other' | xclip -selection clipboard -loops 1
wait_exit || fail "tintra did not end"
check "name saved at the second quit" "$(ini_value 'Saved Name')" "^4Blue Moon"

if ((failures > 0)); then
  echo "--- tintra's output ---"
  cat "$work/log"
  exit 1
fi
echo "all end-to-end checks passed"
