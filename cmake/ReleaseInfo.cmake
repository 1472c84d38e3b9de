# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The release's version and date, for every file that names them: the version
# comes from project(), the date and the maintainer from data/changelog's
# newest entry, which must be for that version.
#   TINTRA_VERSION_SHORT     "1.22", as the program and its texts write 1.2.2
#   TINTRA_VERSION_NUMBER    "122", as the update check sends it
#   TINTRA_RELEASE_DATE      "10 Dec 2026", the manual page's date
#   TINTRA_RELEASE_DATE_ISO  "2026-12-10", AppStream's
#   TINTRA_RELEASE_TIME      "Thu, 10 Dec 2026 12:00:00 +0000", the entry's own
#   TINTRA_MAINTAINER        "Name <address>", the package's contact
#   TINTRA_CONTACT_ADDRESS   its address alone
set(tintra_changelog ${PROJECT_SOURCE_DIR}/data/changelog)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tintra_changelog})
file(STRINGS ${tintra_changelog} tintra_changelog_top LIMIT_COUNT 1)
if(NOT tintra_changelog_top MATCHES "^tintra \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/changelog's newest entry is not version ${PROJECT_VERSION}: "
                      "add an entry for it at the top")
endif()
file(STRINGS ${tintra_changelog} tintra_changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT tintra_changelog_trailer MATCHES
   "^ -- (.+ <([^>]+)>)  ([A-Z][a-z][a-z], (([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+)) .*)$")
  message(FATAL_ERROR "data/changelog's newest entry has no \" -- Name <address>  date\" line")
endif()
set(TINTRA_MAINTAINER "${CMAKE_MATCH_1}")
set(TINTRA_CONTACT_ADDRESS "${CMAKE_MATCH_2}")
set(TINTRA_RELEASE_TIME "${CMAKE_MATCH_3}")
set(TINTRA_RELEASE_DATE "${CMAKE_MATCH_4}")
set(tintra_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND tintra_months "${CMAKE_MATCH_6}" tintra_month)
if(tintra_month LESS 0)
  message(FATAL_ERROR "data/changelog's newest entry has no month \"${CMAKE_MATCH_6}\"")
endif()
math(EXPR tintra_month "${tintra_month} + 1" OUTPUT_FORMAT DECIMAL)
string(LENGTH "${CMAKE_MATCH_5}" tintra_day_digits)
set(tintra_day "${CMAKE_MATCH_5}")
if(tintra_day_digits EQUAL 1)
  set(tintra_day "0${tintra_day}")
endif()
if(tintra_month LESS 10)
  set(tintra_month "0${tintra_month}")
endif()
set(TINTRA_RELEASE_DATE_ISO "${CMAKE_MATCH_7}-${tintra_month}-${tintra_day}")

set(TINTRA_VERSION_SHORT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}${PROJECT_VERSION_PATCH}")
set(TINTRA_VERSION_NUMBER "${PROJECT_VERSION_MAJOR}${PROJECT_VERSION_MINOR}${PROJECT_VERSION_PATCH}")
