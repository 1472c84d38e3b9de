# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack once for each generator.
include(${CMAKE_CURRENT_LIST_DIR}/PackageDate.cmake)
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  # The zip is portable: the marker beside tintra.exe keeps the settings
  # there too. The installed program keeps them in the user's profile.
  set(CPACK_INSTALLED_DIRECTORIES "${CPACK_TINTRA_PORTABLE_DIR};.")
endif()
