# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# licenses/ of the Windows downloads: the licence text and copyright notice
# of every component inside them, and README.txt listing each with its
# version, licence and file:
#   Tintra itself                          tintra.txt
#   Qt and the libraries it bundles        the Qt folder's notices/, written
#                                          with it by scripts/build-windows-qt.sh
#   the mingw-w64 runtime and GCC's        the Debian copyright files of the
#   runtime libraries                      packages they come from
# tintra_qt_prefix comes from WindowsInstall.cmake.
set(tintra_licenses ${PROJECT_BINARY_DIR}/generated/licenses)
set(tintra_qt_notices ${tintra_qt_prefix}/notices)
if(NOT EXISTS ${tintra_qt_notices}/components.txt)
  message(FATAL_ERROR "The Windows Qt in ${tintra_qt_prefix} has no licence notices (notices/): "
                      "scripts/build-windows-qt.sh ${tintra_qt_prefix} adds them")
endif()

# tintra_license_entry(NAME VERSION LICENCE FILE) adds a component to README.txt.
set(tintra_license_entries "")
macro(tintra_license_entry name version license file)
  string(APPEND tintra_license_entries
         "${name}\n    Version: ${version}\n    Licence: ${license}\n    File:    ${file}\n\n")
endmacro()

file(READ ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt tintra_gpl)
file(WRITE ${tintra_licenses}/tintra.txt
     "Tintra (Veldmark Name Colorizer) ${PROJECT_VERSION}\n"
     "Copyright The Tintra developers\n\n"
     "Tintra is free software: you can redistribute it and/or modify it under the\n"
     "terms of the GNU General Public License as published by the Free Software\n"
     "Foundation, either version 3 of the License, or (at your option) any later\n"
     "version. It is distributed WITHOUT ANY WARRANTY.\n\n${tintra_gpl}")
tintra_license_entry("Tintra (Veldmark Name Colorizer)" ${PROJECT_VERSION} GPL-3.0-or-later tintra.txt)

file(STRINGS ${tintra_qt_notices}/components.txt tintra_qt_components)
foreach(component IN LISTS tintra_qt_components)
  string(REPLACE "\t" ";" fields "${component}")
  list(GET fields 0 name)
  list(GET fields 1 version)
  list(GET fields 2 license)
  list(GET fields 3 file)
  tintra_license_entry("${name}" "${version}" "${license}" "${file}")
endforeach()

# The compiler's runtime: Debian's copyright files of the packages the DLLs
# come from.
function(tintra_runtime_terms package file)
  execute_process(COMMAND dpkg-query -W -f=\${Version} ${package}
                  OUTPUT_VARIABLE version COMMAND_ERROR_IS_FATAL ANY)
  file(READ /usr/share/doc/${package}/copyright terms)
  file(WRITE ${tintra_licenses}/${file}
       "Debian's copyright file of ${package} ${version}, whose files these are:\n\n${terms}")
  set(tintra_runtime_version ${version} PARENT_SCOPE)
endfunction()
tintra_runtime_terms(mingw-w64-x86-64-dev mingw-w64-runtime.txt)
tintra_license_entry("mingw-w64 runtime (libwinpthread-1.dll, and the start-up code in every program and DLL)"
                     ${tintra_runtime_version} "ZPL-2.1, public domain and others (see the file)"
                     mingw-w64-runtime.txt)
tintra_runtime_terms(gcc-mingw-w64-x86-64-posix-runtime gcc-runtime.txt)
# Its terms name the GPL's text in Debian's /usr/share/common-licenses/GPL-3.
file(APPEND ${tintra_licenses}/gcc-runtime.txt
     "\n\nThe GNU General Public License version 3 that it names:\n\n${tintra_gpl}")
tintra_license_entry("GCC runtime libraries of mingw-w64 (libstdc++-6.dll, libgcc_s_seh-1.dll)"
                     ${tintra_runtime_version} "GPL-3.0-or-later WITH GCC-exception-3.1"
                     gcc-runtime.txt)

set(title "Tintra ${PROJECT_VERSION} for Windows: what is inside this download, and its terms")
string(LENGTH "${title}" length)
string(REPEAT "=" ${length} underline)
file(WRITE ${tintra_licenses}/README.txt
     "${title}\n${underline}\n\n"
     "Each component below has its licence text and copyright notice in the file named.\n"
     "The source code of Tintra and of the Qt these DLLs were built from, with the\n"
     "changes made to it and how it was built, is offered beside this download:\n"
     "Tintra-${PROJECT_VERSION}-source.tar.xz and Tintra-${PROJECT_VERSION}-qt-source.tar.xz.\n\n"
     "${tintra_license_entries}")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${tintra_qt_notices}/components.txt)

install(DIRECTORY ${tintra_licenses}/ ${tintra_qt_notices}/ DESTINATION licenses
        PATTERN components.txt EXCLUDE)
