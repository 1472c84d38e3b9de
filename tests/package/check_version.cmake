# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The version and the release date are the same wherever they appear: in the
# built help.txt, readme.txt, metainfo and manual page as project() and
# data/changelog give them, and in the version-bearing file names that the
# README and docs/ name. The templates name neither by hand.
# Run with -DSOURCE_DIR=<source> -DBINARY_DIR=<build> -DVERSION=1.2.2
# -DVERSION_SHORT=1.22 -DDATE_ISO=2026-12-10 -DDATE="10 Dec 2026".
function(fail text)
  message(SEND_ERROR "${text}")
endfunction()

function(expect file needle)
  file(READ "${file}" text)
  string(FIND "${text}" "${needle}" at)
  if(at LESS 0)
    fail("${file} lacks \"${needle}\"")
  endif()
endfunction()

expect(${BINARY_DIR}/generated/help.txt "Help for version ${VERSION_SHORT}\\fs18")
expect(${BINARY_DIR}/generated/readme.txt "Veldmark Name Colorizer ${VERSION_SHORT} (tintra)\n")
expect(${BINARY_DIR}/generated/org.example.Tintra.metainfo.xml
       "<release version=\"${VERSION}\" date=\"${DATE_ISO}\"/>")
expect(${BINARY_DIR}/generated/doc/tintra.1 ".TH TINTRA 1 \"${DATE}\" \"tintra ${VERSION}\"")

foreach(template IN ITEMS data/help.txt data/readme.txt.in data/org.example.Tintra.metainfo.xml
                          data/tintra.1)
  file(READ ${SOURCE_DIR}/${template} text)
  string(REGEX MATCH "[^0-9.](${VERSION}|${VERSION_SHORT}|${DATE_ISO})[^0-9]" hand "${text}")
  if(hand)
    fail("${template} names \"${CMAKE_MATCH_1}\" by hand: use its @...@ placeholder")
  endif()
endforeach()

file(GLOB documents ${SOURCE_DIR}/README.md ${SOURCE_DIR}/docs/*.md)
foreach(document IN LISTS documents)
  file(READ ${document} text)
  string(REGEX MATCHALL "(Tintra-|tintra_)[0-9]+\\.[0-9]+\\.[0-9]+" names "${text}")
  foreach(name IN LISTS names)
    if(NOT name MATCHES "${VERSION}$")
      fail("${document} names ${name}, not version ${VERSION}")
    endif()
  endforeach()
endforeach()
