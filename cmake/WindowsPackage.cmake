# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows downloads: `cpack` in the build folder makes
#   Tintra-<version>-win64.zip         unpack anywhere and run tintra.exe
#   Tintra-<version>-win64-setup.exe   a 64-bit installer with a Start-menu entry and an
#                                      uninstaller that leaves the player's settings
include(${CMAKE_CURRENT_LIST_DIR}/WindowsInstall.cmake)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Tintra)
set(CPACK_PACKAGE_VENDOR "The Tintra developers")  # the publisher Windows shows
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Veldmark Name Colorizer: coloured player names")
set(CPACK_PACKAGE_FILE_NAME Tintra-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tintra)
set(CPACK_PACKAGE_EXECUTABLES tintra "Veldmark Name Colorizer")
set(CPACK_STRIP_FILES ON)
# The NSIS commands below hold quotes and ${...} of their own.
set(CPACK_VERBATIM_VARIABLES ON)
# The installer's file name differs from the zip's, and only the zip holds
# the portable marker.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsPackageNames.cmake)
set(CPACK_TINTRA_SOURCE_DATE_EPOCH ${TINTRA_SOURCE_DATE_EPOCH})
set(CPACK_TINTRA_PORTABLE_DIR ${PROJECT_SOURCE_DIR}/data/portable)

# NSIS makes a 32-bit installer unless told otherwise, and that does not run
# where Windows (or Wine) is 64-bit only.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# The installed files get the time they are installed, not the time the
# staging folder was made, so the installer is the same for the same commit.
string(APPEND CPACK_NSIS_DEFINES "\nSetDateSave off")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME "Veldmark Name Colorizer")
set(CPACK_NSIS_PACKAGE_NAME "Veldmark Name Colorizer")  # also the Start-menu folder
set(CPACK_NSIS_INSTALLED_ICON_NAME tintra.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/icons/org.example.Tintra.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/icons/org.example.Tintra.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# The installer's licence page shows the project's licence.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
# Windows' list of installed apps: one entry, whatever the version, with the
# web site as its help link and the size the installed files take.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tintra)
set(CPACK_NSIS_HELP_LINK ${TINTRA_WEB_SITE})
set(CPACK_NSIS_URL_INFO_ABOUT ${TINTRA_WEB_SITE})
string(APPEND CPACK_NSIS_DEFINES "\n!include FileFunc.nsh")
string(JOIN "\n" CPACK_NSIS_EXTRA_INSTALL_COMMANDS
  "\${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2"
  "WriteRegDWORD SHCTX \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\" \"EstimatedSize\" $0")
# The uninstaller takes the publisher's registry key with the app's, when no
# other app of ours is left in it (these run before CPack's own removals).
string(JOIN "\n" CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
  "DeleteRegKey SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\""
  "DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")

include(CPack)
