#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Windows downloads, build/windows/Tintra-<version>-win64.zip and
# Tintra-<version>-win64-setup.exe: installs what is missing, builds the
# Windows Qt first when there is none yet (once, most of an hour), then
# cross-compiles tintra.exe and packs it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh scripts/debian-packages.txt scripts/windows-packages.txt
source scripts/windows-qt.sh

qt="$(tintra_windows_qt_dir)"
if ! tintra_windows_qt_ready "$qt"; then
  echo "There is no Windows Qt in $qt yet: building it first, once."
  scripts/build-windows-qt.sh "$qt"
fi

started=$(date +%s)
tintra_windows_configure build/windows "$qt" -DCMAKE_BUILD_TYPE=Release -DTINTRA_BUILD_TESTS=OFF
cmake --build build/windows
(cd build/windows && cpack)
echo "Built in $(($(date +%s) - started)) s:"
ls -l build/windows/Tintra-*-win64.zip build/windows/Tintra-*-win64-setup.exe
