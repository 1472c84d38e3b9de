# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures the Windows version resource for two versions, compiles each with
# windres (binutils-mingw-w64-x86-64) and reads back what Windows shows in the
# program file's properties: the numeric file and product versions and the
# texts. Run with -DPROJECT_SOURCE_DIR=<source> -DWORK_DIR=<scratch folder>.
set(PROJECT_BINARY_DIR ${WORK_DIR})
include(${PROJECT_SOURCE_DIR}/cmake/WindowsResource.cmake)

find_program(WINDRES NAMES x86_64-w64-mingw32-windres windres)
find_program(PREPROCESSOR NAMES cpp)
if(NOT WINDRES OR NOT PREPROCESSOR)
  message(FATAL_ERROR "windres and cpp are needed (Debian: binutils-mingw-w64-x86-64, cpp)")
endif()

# The little-endian 32-bit word at byte <offset> of a hex dump, as a number.
function(word_at hex offset out)
  math(EXPR start "${offset} * 2")
  string(SUBSTRING "${hex}" ${start} 8 bytes)
  string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" big_endian "${bytes}")
  math(EXPR value "0x${big_endian}")
  set(${out} ${value} PARENT_SCOPE)
endfunction()

# A text as the resource stores it: UTF-16LE, as hex.
function(utf16_hex text out)
  string(HEX "${text}" ascii)
  string(REGEX REPLACE "(..)" "\\100" wide "${ascii}")
  set(${out} ${wide} PARENT_SCOPE)
endfunction()

function(expect_text hex text)
  utf16_hex("${text}" wide)
  string(FIND "${hex}" "${wide}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "the compiled resource lacks the text \"${text}\"")
  endif()
endfunction()

foreach(case "1;2;2;1.02.0002" "2;10;3;2.10.0003")
  list(GET case 0 major)
  list(GET case 1 minor)
  list(GET case 2 revision)
  list(GET case 3 text)
  set(rc ${WORK_DIR}/tintra-${major}.${minor}.${revision}.rc)
  set(res ${WORK_DIR}/tintra-${major}.${minor}.${revision}.res)
  tintra_configure_version_resource(${major} ${minor} ${revision} ${rc})
  execute_process(
    COMMAND ${WINDRES} --preprocessor=${PREPROCESSOR} --preprocessor-arg=-xc
            ${rc} -O res -o ${res}
    RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres rejects ${rc}:\n${errors}")
  endif()
  file(READ ${res} hex HEX)

  # VS_FIXEDFILEINFO starts with its signature 0xFEEF04BD; the file version
  # follows at byte 8 and the product version at byte 16, each as
  # (major << 16 | minor) and (build << 16 | revision).
  string(FIND "${hex}" "bd04effe" signature)
  if(signature EQUAL -1)
    message(FATAL_ERROR "no fixed version information in ${res}")
  endif()
  math(EXPR fixed "${signature} / 2")
  math(EXPR expected_high "(${major} << 16) | ${minor}")
  foreach(field 8 16)
    math(EXPR high_at "${fixed} + ${field}")
    math(EXPR low_at "${fixed} + ${field} + 4")
    word_at("${hex}" ${high_at} high)
    word_at("${hex}" ${low_at} low)
    if(NOT high EQUAL expected_high OR NOT low EQUAL revision)
      message(SEND_ERROR "version word pair at ${field} is ${high}/${low} for ${case}")
    endif()
  endforeach()

  expect_text("${hex}" "${text}")
  expect_text("${hex}" "Veldmark Name Colorizer")
  expect_text("${hex}" "TINTRA")
  expect_text("${hex}" "ProductName")
  expect_text("${hex}" "InternalName")
  # The icon is compiled in: a .res holding it is larger than the texts alone.
  file(SIZE ${res} size)
  if(size LESS 4096)
    message(SEND_ERROR "${res} is ${size} bytes: the icon is missing")
  endif()
endforeach()
