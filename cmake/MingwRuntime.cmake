# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# TINTRA_MINGW_RUNTIME_DIRS: the folders of the compiler's runtime DLLs that
# a mingw-w64 program loads.
set(TINTRA_MINGW_RUNTIME_DIRS)
foreach(runtime IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  cmake_path(GET runtime_path PARENT_PATH runtime_dir)
  cmake_path(NORMAL_PATH runtime_dir)
  list(APPEND TINTRA_MINGW_RUNTIME_DIRS ${runtime_dir})
endforeach()
list(REMOVE_DUPLICATES TINTRA_MINGW_RUNTIME_DIRS)
