# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program file carries its version metadata: file and product
# version major.minor.0.revision, product name and internal name, and the icon.
# Other platforms have no such resource, so the script is added only there;
# tests/package compiles it with windres on Linux to check it.
include(${CMAKE_CURRENT_LIST_DIR}/VersionText.cmake)

# tintra_configure_version_resource(<major> <minor> <revision> <output file>)
function(tintra_configure_version_resource major minor revision output)
  tintra_version_text(${major} ${minor} ${revision} TINTRA_VERSION_TEXT)
  set(TINTRA_VERSION_MAJOR ${major})
  set(TINTRA_VERSION_MINOR ${minor})
  set(TINTRA_VERSION_REVISION ${revision})
  set(TINTRA_ICON_FILE ${PROJECT_SOURCE_DIR}/data/icons/org.example.Tintra.ico)
  configure_file(${PROJECT_SOURCE_DIR}/data/tintra.rc.in ${output} @ONLY)
endfunction()

if(WIN32)
  tintra_configure_version_resource(${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR}
                                    ${PROJECT_VERSION_PATCH}
                                    ${PROJECT_BINARY_DIR}/generated/tintra.rc)
  target_sources(tintra PRIVATE ${PROJECT_BINARY_DIR}/generated/tintra.rc)
endif()
