# Helpers for the end-to-end scripts: a temporary home and game folder, the
# real tintra started in them, xdotool to drive it (there is no window
# manager, so windows get the focus by hand) and checks that count failures.
# Source it with the tintra binary as $1.

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
helper_pids=()
failures=0
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
  for helper in "${helper_pids[@]}"; do kill "$helper" 2>/dev/null; done
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

finish() {
  if ((failures > 0)); then
    echo "--- tintra's output ---"
    cat "$work/log"
    exit 1
  fi
  echo "all end-to-end checks passed"
}
