# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the posix thread
# model, which C++ threads and Qt need). Used for the Windows Qt and for the
# program. Search the mingw sysroot and whatever the caller adds to
# CMAKE_FIND_ROOT_PATH (the Windows Qt), never the host's libraries.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(TINTRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TINTRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TINTRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TINTRA_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${TINTRA_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${TINTRA_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_STRIP ${TINTRA_MINGW_TRIPLE}-strip CACHE FILEPATH "")
set(CMAKE_OBJDUMP ${TINTRA_MINGW_TRIPLE}-objdump CACHE FILEPATH "")

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TINTRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Runtime dependencies of the program are PE files, read with mingw's objdump.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${TINTRA_MINGW_TRIPLE}-objdump)
