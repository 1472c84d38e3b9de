#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds tintra and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTRA_BUILD_TESTS=OFF
cmake --build build
# help.txt and readme.txt are read from the current folder, as beside the program.
cd build
exec ./tintra
