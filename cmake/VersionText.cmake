# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# tintra_version_text(<major> <minor> <revision> <out>)
# The version as the program file's metadata writes it: the minor number in at
# least two digits and the revision in at least four, "1.02.0002" for 1.2.2.
function(tintra_version_text major minor revision out)
  set(text "${major}")
  foreach(part IN ITEMS "${minor}:2" "${revision}:4")
    string(REPLACE ":" ";" part "${part}")
    list(GET part 0 number)
    list(GET part 1 width)
    string(LENGTH "${number}" length)
    set(zeros "")
    if(length LESS width)
      math(EXPR missing "${width} - ${length}")
      string(REPEAT "0" ${missing} zeros)
    endif()
    string(APPEND text ".${zeros}${number}")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
