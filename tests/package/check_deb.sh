#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the .deb from a configured and built tree, unpacks it into a scratch
# root as dpkg would install it, and checks what a user's machine gets: the
# program, its data files, the menu entry, the icon sizes and the metainfo,
# validated by the freedesktop and AppStream tools, and the whole package by
# lintian.
# Usage: check_deb.sh <build dir> <source dir> <scratch dir> <version>
set -euo pipefail
build=$1 source=$2 work=$3 version=$4
id=org.example.Tintra

rm -rf "$work"
mkdir -p "$work"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  exit 1
fi
shopt -s nullglob
debs=("$work"/out/*.deb)
if ((${#debs[@]} != 1)); then
  echo "FAIL: expected one .deb, found ${#debs[@]}" >&2
  exit 1
fi
deb=${debs[0]}
root=$work/root
dpkg -x "$deb" "$root"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
need_file() {
  [[ -f "$root/$1" ]] || fail "missing /$1"
}

# Debian's policy: lintian finds no error and no warning.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
  cat "$work/lintian.log" >&2
  fail "lintian rejects the package (above)"
fi

# The control fields: version and the dependencies a fresh machine must fetch.
[[ "$(dpkg-deb --field "$deb" Package)" == tintra ]] || fail "package name"
[[ "$(dpkg-deb --field "$deb" Version)" == "$version" ]] || fail "version is not $version"
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-wayland \
  $(grep '^fonts-' "$source/scripts/debian-packages.txt"); do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

# Everything lives under /usr, nothing in the build or home folders.
if dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -vE '^\./(usr/.*)?$'; then
  fail "files outside /usr (listed above)"
fi

[[ -x "$root/usr/bin/tintra" ]] || fail "missing or not executable: /usr/bin/tintra"

# The help text travels unchanged, and so does the Linux readme made from
# data/readme.txt.in.
cmp -s "$build/generated/help.txt" "$root/usr/share/tintra/help.txt" ||
  fail "/usr/share/tintra/help.txt differs from the built help.txt or is missing"
cmp -s "$build/generated/readme.txt" "$root/usr/share/tintra/readme.txt" ||
  fail "/usr/share/tintra/readme.txt differs from the build's readme or is missing"
grep -q "~/.config/Tintra/Tintra.ini" "$root/usr/share/tintra/readme.txt" ||
  fail "/usr/share/tintra/readme.txt does not say where the settings live on Linux"

# The icon: the SVG plus each PNG size, each image as large as its folder says.
need_file "usr/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 32 48 64 128 256; do
  png="usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  need_file "$png"
  [[ -f "$root/$png" ]] || continue
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  read -r width height < <(od -An -j16 -N8 -tu1 "$root/$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [[ "$width x $height" == "$size x $size" ]] || fail "$png is $width x $height"
done

# The menu entry starts the installed program and shows the installed icon.
desktop="usr/share/applications/$id.desktop"
need_file "$desktop"
if [[ -f "$root/$desktop" ]]; then
  desktop-file-validate "$root/$desktop" || fail "desktop-file-validate rejects $desktop"
  exec_line=$(sed -n 's/^Exec=//p' "$root/$desktop")
  [[ -x "$root/usr/bin/${exec_line%% *}" ]] || fail "Exec=$exec_line is not the installed program"
  grep -qx "Icon=$id" "$root/$desktop" || fail "Icon is not $id"
  grep -qx "Categories=Game;" "$root/$desktop" || fail "Categories"
fi

# The installed program starts from the menu entry's command and keeps running
# (a crash or a missing resource ends it at once). Its settings go to a
# scratch home.
if [[ -n "${exec_line:-}" && -x "$root/usr/bin/${exec_line%% *}" ]]; then
  status=0
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen \
    timeout 3 "$root/usr/bin/$exec_line" >"$work/run.log" 2>&1 || status=$?
  ((status == 124)) || fail "the installed program ended with status $status (see $work/run.log)"
fi

metainfo="usr/share/metainfo/$id.metainfo.xml"
need_file "$metainfo"
if [[ -f "$root/$metainfo" ]]; then
  appstreamcli validate --no-net "$root/$metainfo" || fail "appstreamcli rejects $metainfo"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/$metainfo" ||
    fail "metainfo does not launch $id.desktop"
  grep -q "<release version=\"$version\"" "$root/$metainfo" || fail "metainfo release is not $version"
fi

if ((failures > 0)); then
  echo "$failures check(s) failed; the package is $deb" >&2
  exit 1
fi
echo "package $(basename "$deb") passed"
