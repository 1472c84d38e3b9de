#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Windows Qt that the Windows program is made with: Qt 6.4.2's
# qtbase from Debian 12's own source package (the version of the host's Qt
# tools, with Debian's security patches), cross-compiled with mingw-w64 as
# shared DLLs. It takes most of an hour on two cores, so it is done once into
# a cache folder that later builds reuse:
#
#   scripts/build-windows-qt.sh [QT_DIR]
#
# QT_DIR defaults to $TINTRA_WINDOWS_QT, else ~/.cache/tintra/qt-6.4.2-mingw64.
# A folder that already holds a finished build is left as it is.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
project="$(dirname "$here")"
# shellcheck source=scripts/windows-qt.sh
source "$here/windows-qt.sh"

qt_dir="${1:-$(tintra_windows_qt_dir)}"
if tintra_windows_qt_ready "$qt_dir"; then
  echo "The Windows Qt is already built in $qt_dir."
  exit 0
fi

"$here/install-deps.sh" "$here/debian-packages.txt" "$here/windows-packages.txt"

source_package=qt6-base
source_version=6.4.2+dfsg-10
work="$qt_dir.work"
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"
started=$(date +%s)
echo "Building Qt $source_version for Windows into $qt_dir (about 20 minutes on two cores, longer on a busy machine)."

# apt-get source needs deb-src entries; a private apt configuration holds
# them, so the machine's own sources stay as they are.
cat >"$work/apt/sources.list" <<'EOF'
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian-security bookworm-security main
EOF
apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
  -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
  -o APT::Sandbox::User=root)
echo "Fetching Debian's $source_package $source_version source..."
apt-get "${apt_options[@]}" -qq update
(cd "$work/src" && apt-get "${apt_options[@]}" -qq source --download-only \
  "$source_package=$source_version")
# apt has checked the files against the archive's signed lists.
dpkg-source --no-check -x "$work/src/${source_package}_$source_version.dsc" "$work/qtbase" \
  >"$work/unpack.log" 2>&1 || { cat "$work/unpack.log" >&2; exit 1; }

# Patches of ours, for mingw on 64-bit Windows; each says why at its top.
shopt -s nullglob
for patch in "$here"/windows-qt/*.patch; do
  echo "Applying $(basename "$patch")"
  patch -d "$work/qtbase" -p1 --quiet <"$patch"
done

configure=(
  -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake"
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$work/install"
  -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_pkg_config=OFF
  # Only Core, Gui, Widgets and Test.
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_androiddeployqt=OFF
  # No OpenGL at all: the feature alone leaves dynamic OpenGL on.
  -DFEATURE_opengl=OFF -DINPUT_opengl=no
  # Debian's source has no wintab, which tablet events need.
  -DFEATURE_tabletevent=OFF
  # Without Direct2D, DirectWrite 3 would leave out the font database the
  # windows platform plugin calls; GDI's is the default anyway.
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
  # The bundled libraries: the mingw sysroot has none of them.
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
  -DFEATURE_jpeg=ON -DFEATURE_ico=ON -DFEATURE_style_windowsvista=ON
)
echo "Configuring..."
cmake -S "$work/qtbase" -B "$work/build" -G Ninja "${configure[@]}" >"$work/configure.log" 2>&1 ||
  { tail -40 "$work/configure.log"; echo "Configuring failed; the log is $work/configure.log" >&2; exit 1; }

echo "Compiling (progress every 50 steps; the log is $work/build.log)..."
# Ninja's "[done/total]" lines, thinned out.
show_progress() {
  local line
  while IFS= read -r line; do
    if [[ "$line" =~ ^\[([0-9]+)/([0-9]+)\] ]] &&
      ((BASH_REMATCH[1] % 50 == 0 || BASH_REMATCH[1] == BASH_REMATCH[2])); then
      echo "[${BASH_REMATCH[1]}/${BASH_REMATCH[2]}] $(($(date +%s) - started)) s"
    fi
  done
}
if ! NINJA_STATUS="[%f/%t] " cmake --build "$work/build" -j "$(nproc)" 2>&1 |
  tee "$work/build.log" | show_progress; then
  grep -B2 -A12 -m3 'FAILED\|error:' "$work/build.log" >&2 || tail -40 "$work/build.log" >&2
  echo "The Qt build failed; the log is $work/build.log" >&2
  exit 1
fi
cmake --install "$work/build" >"$work/install.log"
find "$work/install" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# What the downloads must carry beside the DLLs: Qt's licences, and what
# exactly these DLLs were built from.
mkdir -p "$work/install/licenses"
cp "$work/qtbase/LICENSES/"* "$work/install/licenses/"
{
  echo "Qt $source_version for Windows (x86_64, mingw-w64 $(x86_64-w64-mingw32-gcc-posix -dumpversion)), shared."
  echo "Source: Debian 12's source package $source_package $source_version"
  echo "  (https://deb.debian.org/debian/pool/main/q/$source_package/),"
  echo "  with the patches in Tintra's scripts/windows-qt/: $(cd "$here/windows-qt" && echo *.patch)"
  echo "Configured with: cmake -G Ninja ${configure[*]}" | sed "s|$work/install|<prefix>|; s|$project/||"
} >"$work/install/licenses/QT-BUILD.txt"

rm -rf "$qt_dir"
mv "$work/install" "$qt_dir"
[[ "${TINTRA_KEEP_QT_BUILD:-0}" == 1 ]] || rm -rf "$work"
echo "The Windows Qt is in $qt_dir ($(du -sh "$qt_dir" | cut -f1)), built in $((($(date +%s) - started) / 60)) minutes."
