#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Windows downloads in build/windows: Tintra-<version>-win64.zip and
# Tintra-<version>-win64-setup.exe, and beside them their corresponding
# source, Tintra-<version>-source.tar.xz (the project as built) and
# Tintra-<version>-qt-source.tar.xz (the Qt the DLLs were built from).
# Installs what is missing, builds the Windows Qt first when there is none
# yet (once, about 20 minutes), then cross-compiles tintra.exe and packs it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh scripts/debian-packages.txt scripts/windows-packages.txt
source scripts/windows-qt.sh

qt="$(tintra_windows_qt_dir)"
if ! tintra_windows_qt_ready "$qt"; then
  echo "There is no Windows Qt in $qt yet: building it first, once."
fi
# Also gives a Qt built before Qt folders kept them its source and notices.
scripts/build-windows-qt.sh "$qt"

started=$(date +%s)
tintra_windows_configure build/windows "$qt" -DCMAKE_BUILD_TYPE=Release -DTINTRA_BUILD_TESTS=OFF
cmake --build build/windows
(cd build/windows && cpack)

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)"
downloads="build/windows/Tintra-$version"
if [[ "$(git rev-parse --show-toplevel 2>/dev/null)" == "$(pwd -P)" ]]; then
  # The commit built, with the changes to its files not yet committed.
  commit="$(git stash create)"
  if [[ -n "$commit" ]]; then
    echo "Note: the source archive holds $(git rev-parse --short HEAD) with uncommitted changes."
  fi
  git ls-files --others --exclude-standard | sed 's/^/Note: not in the source archive (not added to git): /'
  git archive --format=tar --prefix="Tintra-$version-source/" "${commit:-HEAD}" |
    xz >"$downloads-source.tar.xz"
else
  tar -c --exclude=./build --transform="s|^\.|Tintra-$version-source|" . | xz >"$downloads-source.tar.xz"
fi
# The Debian source package files are compressed already.
tar -C "$qt" -c --transform="s|^source|Tintra-$version-qt-source|" source |
  xz -0 >"$downloads-qt-source.tar.xz"

echo "Built in $(($(date +%s) - started)) s:"
ls -l "$downloads"-win64.zip "$downloads"-win64-setup.exe "$downloads"-source.tar.xz \
  "$downloads"-qt-source.tar.xz
