# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# "format" rewrites every C++ source of the project with clang-format;
# "format-check" only reports files that are not formatted.
find_program(TINTRA_CLANG_FORMAT NAMES clang-format-14 clang-format)
if(NOT TINTRA_CLANG_FORMAT)
  return()
endif()

set(_tintra_format_globs)
foreach(folder app core data game links platform rtf settings tests ui)
  list(APPEND _tintra_format_globs
       ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
endforeach()
file(GLOB_RECURSE TINTRA_FORMAT_SOURCES CONFIGURE_DEPENDS ${_tintra_format_globs})

add_custom_target(format
  COMMAND ${TINTRA_CLANG_FORMAT} -i ${TINTRA_FORMAT_SOURCES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "clang-format on every source"
  VERBATIM)
add_custom_target(format-check
  COMMAND ${TINTRA_CLANG_FORMAT} --dry-run --Werror ${TINTRA_FORMAT_SOURCES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Checking every source is clang-format clean"
  VERBATIM)
