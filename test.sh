#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (and the fuzz targets with clang), and runs every
# test with CTest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTINTRA_FUZZ=ON
cmake --build build/fuzz

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTRA_SANITIZE=ON \
  -DTINTRA_FUZZ_BINARY_DIR="$PWD/build/fuzz"
cmake --build build/asan

# intercept_tls_get_addr=0: GCC 12's LeakSanitizer takes a library's dynamic
# TLS block (libjpeg's, once the About photo loads Qt's JPEG plugin) that
# happens to start 16 bytes into a page for an old glibc layout, reads a bogus
# range from the bytes before it and crashes at exit ("Tracer caught signal
# 11"). Without the interception those blocks are scanned as the heap blocks
# they are; leak detection stays on.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build/asan --output-on-failure -j2
