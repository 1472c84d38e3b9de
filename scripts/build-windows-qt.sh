#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Windows Qt that the Windows program is made with: qtbase from
# Debian 12's own qt6-base source package at the version of the host's Qt
# (qt6-base-dev, whose moc and rcc the Windows build runs; with Debian's
# security patches), cross-compiled with mingw-w64 as shared DLLs. It takes
# about 20 minutes on two cores, so it is done once into a cache folder that
# later builds reuse:
#
#   scripts/build-windows-qt.sh [QT_DIR]
#
# QT_DIR defaults to $TINTRA_WINDOWS_QT, else ~/.cache/tintra/qt-6.4.2-mingw64.
# Beside the DLLs the folder keeps what the downloads must carry: source/,
# the Debian source package files, our patches and the configure line (the
# Qt source archive), and notices/, the licence notices of what is inside
# the DLLs.
#
# A finished Qt is left as it is (one built before it kept source/ and
# notices/ gets them from its kept work folder, QT_DIR.work). Any other
# folder at QT_DIR is refused: the script never deletes or overwrites a
# folder it did not make.
#
# TINTRA_QT_SOURCE=<folder>: take the Debian source package files from that
# folder (the source/ of a Qt source archive) instead of Debian's archive.
#
# Bash reads a script as it runs it; the braces make it read this one whole
# first, so that a checkout or merge during the build cannot change it midway.
{
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
project="$(dirname "$here")"
# shellcheck source=scripts/windows-qt.sh
source "$here/windows-qt.sh"

qt_dir="$(realpath -m "${1:-$(tintra_windows_qt_dir)}")"
work="$qt_dir.work"
ours="$work/made-by-build-windows-qt"
refuse() {
  echo "$1" >&2
  echo "Move it away or delete it yourself, or build into another folder:" >&2
  echo "  TINTRA_WINDOWS_QT=<new folder> ./windows-package.sh   (or $0 <new folder>)" >&2
  exit 1
}

if tintra_windows_qt_ready "$qt_dir"; then
  if [[ -d "$qt_dir/source" && -d "$qt_dir/notices" ]]; then
    echo "The Windows Qt is already built in $qt_dir."
    exit 0
  fi
  kept=1
elif [[ -e "$qt_dir" || -L "$qt_dir" ]]; then
  refuse "$qt_dir exists but holds no finished Windows Qt (no lib/cmake/Qt6 and bin/Qt6Widgets.dll), so it is not built there: this script never overwrites a folder it did not make."
elif [[ -e "$work" && ! -f "$ours" ]]; then
  refuse "The work folder $work exists and was not made by this script, so it is not built there: this script never overwrites a folder it did not make."
else
  kept=0
fi

# run_step LOG COMMAND...: a step with its output in LOG; when it fails, the
# log's end is shown and the script stops.
run_step() {
  local log="$1"
  shift
  if ! "$@" >"$log" 2>&1; then
    tail -40 "$log" >&2
    echo "Failed: $(basename "$1") (the log is $log)" >&2
    exit 1
  fi
}

# replace_dir NEW DEST: NEW takes DEST's place, the old DEST gone only once
# NEW is there (mv alone would move NEW inside an existing DEST).
replace_dir() {
  local new="$1" dest="$2"
  rm -rf "$dest.old"
  if [[ -e "$dest" ]]; then
    mv -T "$dest" "$dest.old"
  fi
  mv -T "$new" "$dest"
  rm -rf "$dest.old"
}

# The deb-src twins of the machine's own "deb" entries, in a private apt
# configuration under $1, so that the machine's sources stay as they are.
private_apt() {
  local apt="$1"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
  local one_line=() deb822=()
  shopt -s nullglob
  one_line=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list)
  deb822=(/etc/apt/sources.list.d/*.sources)
  shopt -u nullglob
  [[ -f "${one_line[0]}" ]] || one_line=("${one_line[@]:1}")
  awk '$1 == "deb" { $1 = "deb-src"; print }' "${one_line[@]}" </dev/null >"$apt/sources.list"
  # deb822 stanzas: those whose Types has "deb", with Types "deb-src" alone.
  awk 'BEGIN { RS = ""; ORS = "\n\n" }
    {
      text = "\n" $0 "\n"
      if (text ~ /\nEnabled:[ \t]*[Nn]o/) next
      if (text !~ /\nTypes:([ \t]+[a-z-]+)*[ \t]+deb([ \t]+[a-z-]+)*[ \t]*\n/) next
      sub(/\nTypes:[^\n]*\n/, "\nTypes: deb-src\n", text)
      print substr(text, 2, length(text) - 2)
    }' "${deb822[@]}" </dev/null >"$apt/sources.list.d/machine.sources"
  if [[ ! -s "$apt/sources.list" && ! -s "$apt/sources.list.d/machine.sources" ]]; then
    echo "This machine's apt sources (/etc/apt/sources.list*) name no Debian archive (no \"deb\" entry)." >&2
    exit 1
  fi
  apt_options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
  # A source of the machine that offers no source packages fails the update;
  # Debian's archive is what counts, and apt-get source says when it lacks one.
  apt-get "${apt_options[@]}" -qq update >"$apt/update.log" 2>&1 || true
}

# fetch_source SRC_DIR PACKAGE VERSION: the Debian source package files.
fetch_source() {
  local src="$1" package="$2" version="$3"
  mkdir -p "$src"
  if [[ -n "${TINTRA_QT_SOURCE:-}" ]]; then
    [[ -f "$TINTRA_QT_SOURCE/${package}_${version#*:}.dsc" ]] || {
      echo "$TINTRA_QT_SOURCE holds no ${package}_${version#*:}.dsc: the host's Qt (qt6-base-dev) is $version, and the Windows Qt must be that version." >&2
      exit 1
    }
    echo "Taking Debian's $package $version source from $TINTRA_QT_SOURCE..."
    cp "$TINTRA_QT_SOURCE/${package}_${version#*:}.dsc" "$TINTRA_QT_SOURCE/${package}_"*.tar.* "$src/"
    return
  fi
  echo "Fetching Debian's $package $version source..."
  private_apt "$work/apt"
  if ! (cd "$src" && apt-get "${apt_options[@]}" -qq source --download-only "$package=$version") \
    >"$work/source.log" 2>&1; then
    tail -20 "$work/apt/update.log" "$work/source.log" >&2
    echo "Debian's archive, as this machine's apt sources name it, has no $package $version (the" >&2
    echo "version of the host's Qt, qt6-base-dev). When the archive has moved on to a newer one," >&2
    echo "upgrade the host's Qt first (apt-get install --only-upgrade qt6-base-dev), then run again." >&2
    exit 1
  fi
}

# How Qt is configured: only what the Windows program needs, in DLLs.
configure=(
  -G Ninja
  -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake"
  -DCMAKE_BUILD_TYPE=Release
  # A prefix of no folder here: Qt finds its files from where its DLLs are,
  # and the prefix it records is then the same on every machine.
  -DCMAKE_INSTALL_PREFIX=/tintra-windows-qt
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
  # The same DLLs from any folder: no path of the work folder in them
  # (assertion texts), no link time stamp.
  -DCMAKE_C_FLAGS="-ffile-prefix-map=$work/="
  -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work/="
  -DCMAKE_SHARED_LINKER_FLAGS=-Wl,--no-insert-timestamp
  -DCMAKE_MODULE_LINKER_FLAGS=-Wl,--no-insert-timestamp
  -DCMAKE_EXE_LINKER_FLAGS=-Wl,--no-insert-timestamp
  # The MIME database in Qt6Core.dll compressed by Qt's own script, whose gzip
  # header holds no time: CMake's archive command writes the build's time.
  -DQT_AVOID_CMAKE_ARCHIVING_API=ON
)

# The configure line of a finished build: the options above, with the values
# its CMakeCache.txt recorded, written as from the Qt source archive's folder.
configure_line_of() {
  local cache="$1" option name value line="cmake -S qtbase -B build -G Ninja"
  [[ -f "$cache" ]] || return 1
  for option in "${configure[@]}"; do
    [[ "$option" == -D* ]] || continue
    name="${option#-D}"
    name="${name%%=*}"
    value="$(sed -n "s/^$name:[A-Z]*=//p" "$cache")"
    if [[ -z "$value" ]]; then
      # A Qt built before these were set was built without them.
      [[ "$name" == *_FLAGS || "$name" == QT_AVOID_CMAKE_ARCHIVING_API ]] && continue
      return 1
    fi
    case "$name" in
      CMAKE_INSTALL_PREFIX) [[ "$value" == /tintra-windows-qt ]] || value="<prefix>" ;;
      CMAKE_TOOLCHAIN_FILE) value="cmake/$(basename "$value")" ;;
      *_FLAGS) value="\"${value//"$(dirname "$(dirname "$cache")")"/\$PWD}\"" ;;
    esac
    line+=" -D$name=$value"
  done
  echo "$line"
}

# record_source DEST SRC_DIR VERSION CONFIGURE_LINE: DEST/source, the
# corresponding source of the DLLs.
record_source() {
  local dest="$1/source" src="$2" version="$3" line="$4"
  mkdir -p "$dest/patches" "$dest/cmake"
  cp "$src"/* "$dest/"
  cp "$here"/windows-qt/*.patch "$dest/patches/"
  cp "$project/cmake/mingw-w64-x86_64.cmake" "$dest/cmake/"
  cat >"$dest/README.txt" <<EOF
Qt $version for Windows (x86_64, mingw-w64), shared DLLs, as shipped in
Tintra's Windows downloads: the source they were built from.

- $(cd "$dest" && echo *.dsc *.tar.*)
  Debian 12's source package qt6-base $version, unpacked with Debian's own
  patches: dpkg-source -x $(cd "$dest" && echo *.dsc) qtbase
- patches/: Tintra's patches, applied in name order in qtbase with
  patch -p1; each says why at its top.
- cmake/mingw-w64-x86_64.cmake: the toolchain file of the configure line.

Configured, built and installed from the folder holding qtbase/ and cmake/:

  $line
  SOURCE_DATE_EPOCH=\$(dpkg-parsechangelog -l qtbase/debian/changelog -S Timestamp) cmake --build build
  DESTDIR=<folder> cmake --install build   (the Qt is then <folder>/tintra-windows-qt)

Tintra's own source (Tintra-<version>-source.tar.xz) holds the script that
does all of this, scripts/build-windows-qt.sh; on Debian 12 with the host's
Qt at $version:

  TINTRA_QT_SOURCE=<this folder> scripts/build-windows-qt.sh <new Qt folder>
EOF
}

if ((kept)); then
  # A Qt built before the folder kept its source and notices: they come from
  # its work folder, kept with TINTRA_KEEP_QT_BUILD=1.
  shopt -s nullglob
  dsc=("$work"/src/*.dsc)
  shopt -u nullglob
  if ((${#dsc[@]} != 1)) || [[ ! -f "$work/build/.ninja_deps" ]] ||
    ! line="$(configure_line_of "$work/build/CMakeCache.txt")"; then
    refuse "The Windows Qt in $qt_dir was built before Qt folders kept their source and licence notices, and its work folder $work (with src/, qtbase/ and build/) is gone, so they cannot be added: rebuild it."
  fi
  source_version="$(sed -n 's/^Version: //p' "${dsc[0]}")"
  echo "Adding the source and the licence notices to the Windows Qt in $qt_dir..."
  mkdir -p "$qt_dir/source.new"
  record_source "$qt_dir/source.new" "$work/src" "$source_version" "$line"
  run_step "$qt_dir/notices.log" "$here/windows-qt-notices.sh" "$work/qtbase" "$work/build" "$qt_dir/notices.new"
  # Both whole before either replaces what the folder had.
  replace_dir "$qt_dir/source.new/source" "$qt_dir/source"
  replace_dir "$qt_dir/notices.new" "$qt_dir/notices"
  rm -r "$qt_dir/source.new" "$qt_dir/notices.log"
  exit 0
fi

"$here/install-deps.sh" "$here/debian-packages.txt" "$here/windows-packages.txt"

read -r source_package source_version < <(dpkg-query -W -f='${source:Package} ${source:Version}\n' qt6-base-dev)
rm -rf "$work"
mkdir -p "$work"
touch "$ours"
started=$(date +%s)
echo "Building Qt $source_version for Windows into $qt_dir (about 20 minutes on two cores, longer on a busy machine)."
fetch_source "$work/src" "$source_package" "$source_version"
# apt has checked the files against the archive's signed lists; dpkg-source
# checks them against the .dsc.
run_step "$work/unpack.log" dpkg-source -x "$work/src/${source_package}_${source_version#*:}.dsc" "$work/qtbase"

# Patches of ours, for mingw on 64-bit Windows; each says why at its top.
shopt -s nullglob
for patch in "$here"/windows-qt/*.patch; do
  echo "Applying $(basename "$patch")"
  run_step "$work/patch.log" patch -d "$work/qtbase" -p1 -i "$patch"
done
shopt -u nullglob

echo "Configuring..."
run_step "$work/configure.log" cmake -S "$work/qtbase" -B "$work/build" "${configure[@]}"

# Qt's resources carry one time, the Debian source package's own date.
SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$work/qtbase/debian/changelog" -S Timestamp)"
export SOURCE_DATE_EPOCH
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
installed="$work/install/tintra-windows-qt"
DESTDIR="$work/install" run_step "$work/install.log" cmake --install "$work/build"
run_step "$work/strip.log" find "$installed" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# What the downloads must carry beside the DLLs: their source and the
# licence notices of what is inside them.
record_source "$installed" "$work/src" "$source_version" "$(configure_line_of "$work/build/CMakeCache.txt")"
run_step "$work/notices.log" "$here/windows-qt-notices.sh" "$work/qtbase" "$work/build" "$installed/notices"

# Only now does QT_DIR come to be, and only if nobody made it meanwhile.
[[ -e "$qt_dir" ]] && refuse "$qt_dir appeared while Qt was being built; the finished Qt is in $installed."
mkdir -p "$(dirname "$qt_dir")"
mv -T "$installed" "$qt_dir"
[[ "${TINTRA_KEEP_QT_BUILD:-0}" == 1 ]] || rm -rf "$work"
echo "The Windows Qt is in $qt_dir ($(du -sh "$qt_dir" | cut -f1)), built in $((($(date +%s) - started) / 60)) minutes."
exit
}
