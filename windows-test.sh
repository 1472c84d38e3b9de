#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the Windows tests under Wine, in an Xvfb: the project's tests
# cross-built for Windows, and the end-to-end test of the downloads (the zip
# unpacked and tintra.exe driven as a player would, the installer run
# silently). Makes the downloads first, with windows-package.sh.
set -euo pipefail
cd "$(dirname "$0")"
./windows-package.sh
source scripts/windows-qt.sh
qt="$(tintra_windows_qt_dir)"

# The end-to-end test drives the Windows program from outside, as the Linux
# end-to-end tests drive the Linux one; it is a Linux program.
cmake -S . -B build/wine-e2e -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/wine-e2e --target wine_e2e_tests

tintra_windows_configure build/windows-tests "$qt" -DCMAKE_BUILD_TYPE=Debug \
  -DTINTRA_WINE_E2E="$PWD/build/wine-e2e/tests/e2e/wine_e2e_tests" \
  -DTINTRA_WINDOWS_DOWNLOADS="$PWD/build/windows"
cmake --build build/windows-tests

# One X server and one Wine prefix for the test programs.
exec {display_pipe}< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -u "$display_pipe" display
exec {display_pipe}<&-
export DISPLAY=":$display" WINEPREFIX="$PWD/build/windows-tests/wineprefix"
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
scripts/wine-prefix.sh "$WINEPREFIX"

ctest --test-dir build/windows-tests --output-on-failure -j2
