# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# tintra_debian_copyright(OUTPUT) writes the package's copyright file in
# Debian's machine-readable format from the project's REUSE information:
# .reuse/dep5 (already in that format) gives the header paragraph and the
# files that carry no header; the SPDX headers give every other file, the
# licence most of them carry becoming "Files: *".

# The project's licences, all of them in Debian's /usr/share/common-licenses:
# their grant and where the text is.
set(tintra_grant_GPL-3.0-or-later
    "This program is free software: you can redistribute it and/or modify it"
    "under the terms of the GNU General Public License as published by the Free"
    "Software Foundation, either version 3 of the License, or (at your option)"
    "any later version."
    "."
    "On Debian systems, the complete text of the GNU General Public License"
    "version 3 can be found in \"/usr/share/common-licenses/GPL-3\".")
set(tintra_grant_CC0-1.0
    "To the extent possible under law, the authors have dedicated all copyright"
    "and related and neighbouring rights to this work to the public domain"
    "worldwide. This work is distributed without any warranty."
    "."
    "On Debian systems, the complete text of the CC0 1.0 Universal licence can"
    "be found in \"/usr/share/common-licenses/CC0-1.0\".")

# The project's files, relative to its folder: build folders and git's left out.
function(tintra_project_files out)
  set(src ${PROJECT_SOURCE_DIR})
  file(GLOB entries LIST_DIRECTORIES true RELATIVE ${src} ${src}/*)
  set(files)
  foreach(entry IN LISTS entries)
    if(entry MATCHES "^(build.*|\\.git)$")
      continue()
    elseif(IS_DIRECTORY ${src}/${entry})
      file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${src} ${src}/${entry}/*)
      list(APPEND files ${found})
    else()
      list(APPEND files ${entry})
    endif()
  endforeach()
  list(SORT files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(tintra_debian_copyright output)
  set(src ${PROJECT_SOURCE_DIR})
  file(READ ${src}/.reuse/dep5 dep5)
  string(FIND "${dep5}" "\n\n" split)
  string(SUBSTRING "${dep5}" 0 ${split} header)
  string(SUBSTRING "${dep5}" ${split} -1 dep5_stanzas)
  string(REGEX MATCHALL "\nLicense: [^\n]+" dep5_licenses "${dep5_stanzas}")
  list(TRANSFORM dep5_licenses REPLACE "\nLicense: " "")

  # Files by the licence in their SPDX header.
  tintra_project_files(files)
  set(licenses)
  set(spdx "SPDX-License-Identifier")  # not written out, or reuse reads this line as a tag
  foreach(file IN LISTS files)
    file(STRINGS ${src}/${file} tag REGEX "${spdx}: " LIMIT_COUNT 1)
    if(tag MATCHES "${spdx}: ([A-Za-z0-9.+-]+)")
      set(license ${CMAKE_MATCH_1})
      list(APPEND licenses ${license})
      list(APPEND files_${license} ${file})
    endif()
  endforeach()
  set(main_license "")
  set(main_count 0)
  list(REMOVE_DUPLICATES licenses)
  foreach(license IN LISTS licenses)
    list(LENGTH files_${license} count)
    if(count GREATER main_count)
      set(main_license ${license})
      set(main_count ${count})
    endif()
  endforeach()

  set(text "${header}\n\nFiles: *\nCopyright: The Tintra developers\nLicense: ${main_license}\n")
  foreach(license IN LISTS licenses)
    if(NOT license STREQUAL main_license)
      list(JOIN files_${license} "\n " listed)
      string(APPEND text "\nFiles: ${listed}\nCopyright: The Tintra developers\nLicense: ${license}\n")
    endif()
  endforeach()
  string(APPEND text "${dep5_stanzas}")
  # dep5's comments are about the project's own layout.
  string(REGEX REPLACE "\n#[^\n]*" "" text "${text}")
  string(REGEX REPLACE "\n\n\n+" "\n\n" text "${text}")

  list(APPEND licenses ${dep5_licenses})
  list(REMOVE_DUPLICATES licenses)
  foreach(license IN LISTS licenses)
    if(NOT DEFINED tintra_grant_${license})
      message(FATAL_ERROR "cmake/DebianCopyright.cmake has no grant for the licence ${license}")
    endif()
    list(JOIN tintra_grant_${license} "\n " body)
    string(APPEND text "\nLicense: ${license}\n ${body}\n")
  endforeach()
  file(WRITE ${output} "${text}")
  set_property(DIRECTORY ${src} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src}/.reuse/dep5)
endfunction()
