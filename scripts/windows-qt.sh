# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Where the Windows Qt lives, shared by the scripts that build with it.
# Sourced, not run.

# The Qt folder: $TINTRA_WINDOWS_QT, else a folder in the user's cache.
tintra_windows_qt_dir() {
  echo "${TINTRA_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/tintra/qt-6.4.2-mingw64}"
}

# True when the folder holds a finished Windows Qt.
tintra_windows_qt_ready() {
  [[ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" && -f "$1/bin/Qt6Widgets.dll" ]]
}

# tintra_windows_configure BUILD_DIR QT_DIR [CMAKE_OPTION...]
# Configures a cross build of the project against that Windows Qt, with
# Debian's Qt as the host's tools (moc, rcc).
#
# The Qt is reached through a link inside the build folder, so that the
# linker is given its libraries by paths relative to the build: the linker
# orders a program's imported DLLs by the paths of their libraries, and the
# Qt's own folder would change that order from one machine to another.
tintra_windows_configure() {
  local build="$1" qt="$2"
  shift 2
  mkdir -p "$build"
  ln -sfn "$(realpath "$qt")" "$build/windows-qt"
  qt="$(realpath -s "$build")/windows-qt"
  cmake -S . -B "$build" -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "$@"
}
