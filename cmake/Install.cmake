# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Where `cmake --install` and the .deb put the program and its desktop files:
#   bin/tintra
#   share/tintra/help.txt, readme.txt        read by the Help window and View Readme
#   share/applications/<id>.desktop          the desktop menu entry
#   share/icons/hicolor/<size>/apps/<id>.*   the icon, SVG and PNG sizes
#   share/metainfo/<id>.metainfo.xml         the AppStream description
#
# Windows has a layout of its own (cmake/WindowsInstall.cmake).
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsResource.cmake)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
  return()
endif()

include(GNUInstallDirs)

# TINTRA_APP_ID comes from data/CMakeLists.txt.
set(tintra_data ${PROJECT_SOURCE_DIR}/data)

install(TARGETS tintra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${TINTRA_HELP} ${TINTRA_README} DESTINATION ${CMAKE_INSTALL_DATADIR}/tintra)

install(FILES ${tintra_data}/${TINTRA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

install(FILES ${tintra_data}/icons/${TINTRA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${tintra_data}/icons/hicolor/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        FILES_MATCHING PATTERN "*.png")

# The metainfo carries the release version, taken from project().
configure_file(${tintra_data}/${TINTRA_APP_ID}.metainfo.xml
               ${PROJECT_BINARY_DIR}/generated/${TINTRA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/generated/${TINTRA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(${CMAKE_CURRENT_LIST_DIR}/WindowsResource.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
