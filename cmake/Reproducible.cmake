# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The same commit gives the same bytes wherever and whenever it is built: no
# source or build folder in what is compiled (__FILE__ in assertion texts,
# debug information), no link time stamp in a Windows program, and one time
# for every file that a resource or a package carries: TINTRA_SOURCE_DATE_EPOCH,
# SOURCE_DATE_EPOCH when it is set, else the time of the commit checked out,
# else (a source archive) the date of data/changelog's newest entry.
# GCC tries the last mapping first, so the build folder, often inside the
# source folder, comes second.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(TINTRA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} rev-parse --show-toplevel
                  OUTPUT_VARIABLE tintra_git_top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  file(REAL_PATH "${PROJECT_SOURCE_DIR}" tintra_source_real)
  if(tintra_git_top AND tintra_git_top STREQUAL tintra_source_real)
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE TINTRA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
  else()
    execute_process(COMMAND date -d "${TINTRA_RELEASE_TIME}" +%s
                    OUTPUT_VARIABLE TINTRA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()

# tintra_fixed_date_resources(TARGET): rcc stamps every file of the target's
# resources with TINTRA_SOURCE_DATE_EPOCH instead of the file's time. The time
# is in the wrapper's name: CMake runs rcc again when the rcc it is told to run
# changes, not when the resources' time alone does (after a new commit, say).
function(tintra_fixed_date_resources target)
  get_target_property(rcc Qt6::rcc LOCATION)
  set(wrapper ${PROJECT_BINARY_DIR}/generated/rcc-fixed-date-${TINTRA_SOURCE_DATE_EPOCH})
  set(script "#!/bin/sh\nSOURCE_DATE_EPOCH=${TINTRA_SOURCE_DATE_EPOCH} exec \"${rcc}\" \"$@\"\n")
  set(old "")
  if(EXISTS ${wrapper})
    file(READ ${wrapper} old)
  endif()
  if(old STREQUAL script)
    set_target_properties(${target} PROPERTIES AUTORCC_EXECUTABLE ${wrapper})
    return()
  endif()
  file(WRITE ${wrapper}.new "${script}")
  file(CHMOD ${wrapper}.new PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
       GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  file(RENAME ${wrapper}.new ${wrapper})
  set_target_properties(${target} PROPERTIES AUTORCC_EXECUTABLE ${wrapper})
endfunction()
