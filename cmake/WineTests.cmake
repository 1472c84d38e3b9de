# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# CTest runs the cross-built test programs under Wine, through a wrapper that
# gives them the DLLs and the fonts. GoogleTest's test lists are read when the
# tests run, under Wine too, not at build time. Included by tests/ in a
# cross build for Windows.

# Wine's Z: is the Linux root.
cmake_path(SET qt_bin NORMALIZE "${Qt6_DIR}/../../../bin")
include(${CMAKE_CURRENT_LIST_DIR}/MingwRuntime.cmake)
set(TINTRA_WINE_DLL_PATH ${qt_bin} ${TINTRA_MINGW_RUNTIME_DIRS})
list(TRANSFORM TINTRA_WINE_DLL_PATH PREPEND "Z:")

# The fonts the Linux tests draw with, gathered into one folder.
set(TINTRA_WINE_FONT_DIR ${CMAKE_CURRENT_BINARY_DIR}/wine-fonts)
file(GLOB_RECURSE tintra_fonts /usr/share/fonts/truetype/*.ttf)
file(MAKE_DIRECTORY ${TINTRA_WINE_FONT_DIR})
foreach(font IN LISTS tintra_fonts)
  cmake_path(GET font FILENAME name)
  file(CREATE_LINK ${font} ${TINTRA_WINE_FONT_DIR}/${name} SYMBOLIC)
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_CURRENT_BINARY_DIR}/wine-run.sh
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                      GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_BINARY_DIR}/wine-run.sh)
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
