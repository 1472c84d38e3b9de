# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack: the files inside a package carry the build's one time
# (cmake/Reproducible.cmake) rather than the time they were staged, unless
# SOURCE_DATE_EPOCH says otherwise.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_TINTRA_SOURCE_DATE_EPOCH}")
endif()
