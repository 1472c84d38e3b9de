# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The documentation Debian asks of every package, installed with the program:
#   share/man/man1/tintra.1.gz        the manual page
#   share/doc/tintra/changelog.gz     the release history, data/changelog
#   share/doc/tintra/copyright        who holds the copyright, under which licence
# The manual page's date is the release's, from cmake/ReleaseInfo.cmake.
set(tintra_docs ${PROJECT_BINARY_DIR}/generated/doc)
file(MAKE_DIRECTORY ${tintra_docs})

# Debian wants these compressed with gzip -9n, the same bytes on every build.
function(tintra_gzip input output)
  execute_process(COMMAND gzip -9nc ${input} OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
endfunction()

configure_file(${PROJECT_SOURCE_DIR}/data/tintra.1 ${tintra_docs}/tintra.1 @ONLY)
tintra_gzip(${tintra_docs}/tintra.1 ${tintra_docs}/tintra.1.gz)
tintra_gzip(${PROJECT_SOURCE_DIR}/data/changelog ${tintra_docs}/changelog.gz)
include(${CMAKE_CURRENT_LIST_DIR}/DebianCopyright.cmake)
tintra_debian_copyright(${tintra_docs}/copyright)

install(FILES ${tintra_docs}/tintra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${tintra_docs}/changelog.gz ${tintra_docs}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
