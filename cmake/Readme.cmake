# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# tintra_readme(PLATFORM OUTPUT) writes readme.txt for "linux" or "windows"
# from data/readme.txt.in, where the words both platforms share are written
# once: a line "@linux" or "@windows" starts lines for that platform alone,
# "@both" ends them. @NAME@ is replaced by the CMake variable's value. The
# Windows readme gets Windows line ends, for Notepad.
function(tintra_readme platform output)
  set(template ${PROJECT_SOURCE_DIR}/data/readme.txt.in)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${template})
  file(READ ${template} text)
  if(NOT text MATCHES "\n$")
    string(APPEND text "\n")
  endif()
  set(kept "")
  set(keep ON)
  while(NOT text STREQUAL "")
    string(FIND "${text}" "\n" end)
    string(SUBSTRING "${text}" 0 ${end} line)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${text}" ${end} -1 text)
    if(line MATCHES "^@(linux|windows|both)$")
      if(CMAKE_MATCH_1 STREQUAL "both" OR CMAKE_MATCH_1 STREQUAL platform)
        set(keep ON)
      else()
        set(keep OFF)
      endif()
    elseif(keep)
      string(APPEND kept "${line}\n")
    endif()
  endwhile()
  if(platform STREQUAL "windows")
    set(newlines CRLF)
  else()
    set(newlines UNIX)
  endif()
  file(CONFIGURE OUTPUT ${output} CONTENT "${kept}" @ONLY NEWLINE_STYLE ${newlines})
endfunction()
