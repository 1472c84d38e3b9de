#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes a Wine prefix ready for the Windows tests, once, and starts its Wine
# server and services for the tests that follow.
#   scripts/wine-prefix.sh PREFIX
# DISPLAY must name the X server the tests use: Wine's services stay on it.
set -euo pipefail
export WINEPREFIX="$1" WINEDEBUG=-all
# No offer to download Wine's Mono and Gecko: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  # Wine 8.0 reports Windows 7 unless told otherwise; players have Windows 10.
  wine winecfg /v win10 >/dev/null 2>&1
  # With no window manager, Wine waits 2 s for every window it destroys
  # unless it places its windows itself.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
# Started by a test, the server, the services and the desktop would inherit
# its output and CTest would wait for them to close it: start them here,
# writing nowhere, and keep the server running until wineserver -k (the one
# wineboot started ends when idle).
wineserver -k >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1
wine cmd /c exit >/dev/null 2>&1
# On Windows the shell always runs, and with it the desktop that keeps the
# clipboard once a program has ended. Wine's desktop ends with the last
# Windows program: a long ping stands in for the shell until wineserver -k.
wine ping -n 86400 127.0.0.1 >/dev/null 2>&1 &
wine rundll32 user32.dll,GetDesktopWindow >/dev/null 2>&1
