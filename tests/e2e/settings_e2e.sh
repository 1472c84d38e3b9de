#!/usr/bin/env bash
# Settings, slots, name.cfg and the clipboard after quitting, as a user meets
# them: the real tintra in its own X server, driven with xdotool, read back
# from the settings file, name.cfg and the clipboard (xclip).
#
# Usage: tests/e2e/run-in-xvfb.sh tests/e2e/settings_e2e.sh path/to/tintra
set -uo pipefail

source "$(dirname "$0")/e2e_lib.sh"

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

finish
