#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs whichever of the packages in the given lists are missing (by
# default debian-packages.txt), as root or through sudo.
#   scripts/install-deps.sh [LIST...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
(($# > 0)) || set -- "$here/debian-packages.txt"

missing=()
while read -r package; do
  [[ -z "$package" || "$package" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done < <(cat "$@")

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  as_root=()
  if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The programs the build and the tests run; a missing one means its package
# is not in debian-packages.txt (the test programs_tests says which).
unlisted=()
windows=no
[[ " $* " == *windows-packages.txt* ]] && windows=yes
while read -r program kind _; do
  [[ -z "$program" || "$program" == \#* || "$kind" == bootstrap ]] && continue
  [[ "$kind" == windows && "$windows" == no ]] && continue
  command -v "$program" >/dev/null || unlisted+=("$program")
done <"$here/programs.txt"
if ((${#unlisted[@]} > 0)); then
  echo "Warning: not installed, the tests that run them will fail: ${unlisted[*]}" >&2
fi
