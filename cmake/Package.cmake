# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cpack` in the build folder makes tintra_<version>_<arch>.deb.
# Library dependencies come from dpkg-shlibdeps (Debian package dpkg-dev); the
# packages the program needs at run time without linking to them are listed
# here: the fonts it draws with and Qt's Wayland platform plugin.
include(${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintra)
set(CPACK_PACKAGE_VENDOR "The Tintra developers")
set(CPACK_PACKAGE_CONTACT "${TINTRA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Veldmark Name Colorizer: coloured player names")
# Debian wants the long description in lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Compose a Veldmark player name with colour codes (a caret and a digit),"
  "see a live preview of how the game draws it, reshape it with one-click"
  "tools, keep names between runs and hand the name to the game through the"
  "clipboard or a name.cfg file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TINTRA_WEB_SITE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The font packages are the fonts-* lines of scripts/debian-packages.txt, so
# that a font added for the program reaches the package too.
file(STRINGS ${PROJECT_SOURCE_DIR}/scripts/debian-packages.txt tintra_font_packages
     REGEX "^fonts-")
list(TRANSFORM tintra_font_packages STRIP)
list(APPEND tintra_runtime_packages ${tintra_font_packages} qt6-wayland)
list(JOIN tintra_runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Opening the web site and the readme goes through the desktop's default handler.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# Every file in the package carries the build's one time.
set(CPACK_TINTRA_SOURCE_DATE_EPOCH ${TINTRA_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageDate.cmake)

include(CPack)
