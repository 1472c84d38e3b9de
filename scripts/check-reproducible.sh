#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the commit checked out twice, in two folders of different names one
# after the other, and compares what the builds make, byte for byte: a
# download that differs is named with the first file inside it that differs.
#   scripts/check-reproducible.sh deb [WORK_DIR]       the Debian package (minutes)
#   scripts/check-reproducible.sh windows [WORK_DIR]   the Windows downloads, each
#       build with a Windows Qt of its own built in its folder (about an hour);
#       with TINTRA_WINDOWS_QT set, both builds use that Qt instead, which
#       checks Tintra's part of the downloads in minutes; with
#       TINTRA_FIRST_WINDOWS_QT set to a Qt built before in its own folder
#       (the cache's, say), only the second build makes its own
# TINTRA_SECOND_BUILD_AFTER=<seconds>: wait that long between the two builds,
# to show that the time of a build does not enter what it makes.
# WORK_DIR (default build/reproducible) is emptied first. Uncommitted changes
# are not built: the two builds are of the commit. Compilers run without
# ccache, so that each build compiles for itself.
set -euo pipefail
what="${1:-}"
top="$(cd "$(dirname "$0")/.." && pwd -P)"
work="$(realpath -m "${2:-$top/build/reproducible}")"
[[ "$what" == deb || "$what" == windows ]] || {
  echo "usage: $0 deb|windows [WORK_DIR]" >&2
  exit 2
}
export CCACHE_DISABLE=1
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
"$top/scripts/install-deps.sh" "$top/scripts/debian-packages.txt" \
  $([[ "$what" == windows ]] && echo "$top/scripts/windows-packages.txt")
commit="$(git -C "$top" rev-parse HEAD)"
shared_qt="${TINTRA_WINDOWS_QT:-}"
first_qt="${TINTRA_FIRST_WINDOWS_QT:-}"

rm -rf "$work"
# Two folders whose paths differ in length and in name.
folders=("$work/one/tintra" "$work/second-build/elsewhere/tintra-copy")

# build FOLDER: the downloads of one build, listed in FOLDER/downloads.
build() {
  local folder="$1"
  git clone -q --no-checkout "$top" "$folder"
  git -C "$folder" checkout -q --detach "$commit"
  if [[ "$what" == deb ]]; then
    (cd "$folder" && cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DTINTRA_BUILD_TESTS=OFF >/dev/null && cmake --build build/release >/dev/null &&
      cd build/release && cpack -G DEB -B "$folder/out" >/dev/null)
    (cd "$folder/out" && ls -- *.deb) >"$folder/downloads"
  else
    local qt="${shared_qt:-$folder/windows-qt}"
    [[ -z "$first_qt" || "$folder" != "${folders[0]}" ]] || qt="$first_qt"
    echo "  with the Windows Qt in $qt"
    TINTRA_WINDOWS_QT="$qt" "$folder/windows-package.sh" >"$folder/package.log" 2>&1 || {
      tail -30 "$folder/package.log" >&2
      exit 1
    }
    mkdir -p "$folder/out"
    mv "$folder"/build/windows/Tintra-* "$folder/out/"
    (cd "$folder/out" && ls) >"$folder/downloads"
  fi
}

# unpack FILE DEST: the files inside a download.
unpack() {
  local file="$1" dest="$2"
  mkdir -p "$dest"
  case "$file" in
    *.deb) dpkg-deb -R "$file" "$dest" ;;
    *.zip) (cd "$dest" && unzip -q "$file") ;;
    *.exe) 7z x -y -o"$dest" "$file" >/dev/null ;;
    *.tar.xz) tar -C "$dest" -xJf "$file" ;;
    *) return 1 ;;
  esac
}

# differences A B: the files, in name order, that differ between two
# unpacked downloads or are in one only; the first five.
differences() {
  local a="$1" b="$2" path found=0
  while IFS= read -r path; do
    if [[ ! -f "$a/$path" || ! -f "$b/$path" ]] || ! cmp -s "$a/$path" "$b/$path"; then
      echo "  ${path#./}"
      found=$((found + 1))
      ((found < 5)) || return 0
    fi
  done < <( (cd "$a" && find . -type f; cd "$b" && find . -type f) | LC_ALL=C sort -u)
  ((found > 0)) || echo "  no file: the archives differ in their entries' order, times or owners"
}

for folder in "${folders[@]}"; do
  if [[ "$folder" == "${folders[1]}" && -n "${TINTRA_SECOND_BUILD_AFTER:-}" ]]; then
    echo "Waiting $TINTRA_SECOND_BUILD_AFTER s before the second build..."
    sleep "$TINTRA_SECOND_BUILD_AFTER"
  fi
  echo "Building $(git -C "$top" rev-parse --short HEAD) in $folder..."
  started=$(date +%s)
  build "$folder"
  echo "  done in $(($(date +%s) - started)) s"
done

one="${folders[0]}" two="${folders[1]}"
if ! cmp -s "$one/downloads" "$two/downloads"; then
  echo "FAIL: the builds made different downloads:" >&2
  diff "$one/downloads" "$two/downloads" >&2 || true
  exit 1
fi
failed=0
while IFS= read -r download; do
  if cmp -s "$one/out/$download" "$two/out/$download"; then
    echo "same: $download ($(sha256sum <"$one/out/$download" | cut -c1-16)...)"
    continue
  fi
  failed=1
  if unpack "$one/out/$download" "$work/unpacked/one/$download" &&
    unpack "$two/out/$download" "$work/unpacked/two/$download"; then
    {
      echo "FAIL: $download differs; the first files inside it that differ:"
      differences "$work/unpacked/one/$download" "$work/unpacked/two/$download"
    } >&2
  else
    # Not an archive: the sums file, which differs where the downloads do.
    echo "FAIL: $download differs:" >&2
    diff "$one/out/$download" "$two/out/$download" | head -10 >&2 || true
  fi
done <"$one/downloads"
exit "$failed"
