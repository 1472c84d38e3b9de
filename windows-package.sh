#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Windows downloads in build/windows: Tintra-<version>-win64.zip and
# Tintra-<version>-win64-setup.exe, and beside them their corresponding
# source, Tintra-<version>-source.tar.xz (the project as built) and
# Tintra-<version>-qt-source.tar.xz (the Qt the DLLs were built from), and
# Tintra-<version>-SHA256SUMS.txt, the SHA-256 sum of each. The same commit
# gives the same bytes (scripts/check-reproducible.sh compares two builds).
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

source scripts/source-date.sh

started=$(date +%s)
tintra_windows_configure build/windows "$qt" -DCMAKE_BUILD_TYPE=Release -DTINTRA_BUILD_TESTS=OFF
cmake --build build/windows

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)"
name="Tintra-$version"
# Every download is made in new/ and moved beside the others only when all
# of them are whole, so a failure leaves the last good ones as they were.
new="$PWD/build/windows/new"
rm -rf "$new"
mkdir -p "$new"
(cd build/windows && cpack -B "$new/cpack")
mv "$new/cpack/$name-win64.zip" "$new/cpack/$name-win64-setup.exe" "$new/"

# Archives with their entries in name order, with the commit's time and no owner.
archive() {
  tar -c --sort=name --format=gnu --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 \
    --numeric-owner "$@"
}
if [[ "$(git rev-parse --show-toplevel 2>/dev/null)" == "$(pwd -P)" ]]; then
  # The commit built, with the changes to its files not yet committed.
  commit="$(GIT_AUTHOR_DATE="$SOURCE_DATE_EPOCH +0000" GIT_COMMITTER_DATE="$SOURCE_DATE_EPOCH +0000" \
    git stash create)"
  if [[ -n "$commit" ]]; then
    echo "Note: the source archive holds $(git rev-parse --short HEAD) with uncommitted changes."
  fi
  git ls-files --others --exclude-standard | sed 's/^/Note: not in the source archive (not added to git): /'
  git archive --format=tar --prefix="$name-source/" "${commit:-HEAD}" |
    xz -T1 >"$new/$name-source.tar.xz"
else
  archive --exclude=./build --transform="s|^\.|$name-source|" . | xz -T1 >"$new/$name-source.tar.xz"
fi
# The Debian source package files are compressed already.
archive -C "$qt" --transform="s|^source|$name-qt-source|" source | xz -0 -T1 >"$new/$name-qt-source.tar.xz"

downloads=("$name-win64.zip" "$name-win64-setup.exe" "$name-source.tar.xz" "$name-qt-source.tar.xz")
(cd "$new" && sha256sum "${downloads[@]}" >"$name-SHA256SUMS.txt")
for file in "${downloads[@]}" "$name-SHA256SUMS.txt"; do
  mv -f "$new/$file" build/windows/
done
rm -rf "$new"

echo "Built in $(($(date +%s) - started)) s:"
(cd build/windows && ls -l "${downloads[@]}" && cat "$name-SHA256SUMS.txt")
