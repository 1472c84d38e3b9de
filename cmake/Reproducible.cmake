# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The same commit gives the same bytes wherever and whenever it is built: no
# source or build folder in what is compiled (__FILE__ in assertion texts,
# debug information) and no link time stamp in a Windows program. The times
# that archives and resources carry come from SOURCE_DATE_EPOCH, which the
# scripts that make the downloads set from the commit.
# GCC tries the last mapping first, so the build folder, often inside the
# source folder, comes second.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
