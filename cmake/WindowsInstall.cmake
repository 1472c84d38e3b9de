# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Windows downloads hold: one folder that runs as it is.
#   tintra.exe, help.txt, readme.txt
#   the Qt DLLs and the compiler's runtime DLLs that they load
#   platforms/, styles/, imageformats/   the Qt plugins, loaded by name at run time
#   licenses/                             the terms of everything inside (WindowsLicenses.cmake)
cmake_path(SET tintra_qt_prefix NORMALIZE "${Qt6_DIR}/../../..")

install(TARGETS tintra RUNTIME_DEPENDENCY_SET tintra_dlls RUNTIME DESTINATION .)
install(FILES ${TINTRA_HELP} ${TINTRA_README} DESTINATION .)

# Plugins are not linked, so the dependency scan cannot find them.
foreach(plugin IN ITEMS platforms:QWindowsIntegrationPlugin styles:QWindowsVistaStylePlugin
                        imageformats:QJpegPlugin imageformats:QICOPlugin)
  string(REPLACE ":" ";" plugin "${plugin}")
  list(GET plugin 0 folder)
  list(GET plugin 1 target)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${target} RUNTIME_DEPENDENCY_SET tintra_dlls
          LIBRARY DESTINATION ${folder})
endforeach()

# The Qt DLLs by their targets: CMake 3.25 looks the dependencies of a
# Windows program up by their lower-cased names, which a Linux file system
# does not find as Qt6Core.dll.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets
        RUNTIME_DEPENDENCY_SET tintra_dlls RUNTIME DESTINATION .)

# The compiler's runtime DLLs that all of them load; Windows' own DLLs are on
# every machine.
include(${CMAKE_CURRENT_LIST_DIR}/MingwRuntime.cmake)
install(RUNTIME_DEPENDENCY_SET tintra_dlls
        PRE_INCLUDE_REGEXES "^libstdc\\+\\+-6\\.dll$" "^libgcc_s_seh-1\\.dll$" "^libwinpthread-1\\.dll$"
        PRE_EXCLUDE_REGEXES ".*"
        DIRECTORIES ${TINTRA_MINGW_RUNTIME_DIRS}
        DESTINATION .)
# Debian ships the runtime DLLs with their symbols: libstdc++ is 24 MB so, 2 MB stripped.
install(CODE "
  file(GLOB tintra_runtime_dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib*.dll\")
  execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${tintra_runtime_dlls}
                  COMMAND_ERROR_IS_FATAL ANY)")

include(${CMAKE_CURRENT_LIST_DIR}/WindowsLicenses.cmake)
