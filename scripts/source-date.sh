# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Exports SOURCE_DATE_EPOCH, the time that every archive entry, resource and
# document of a build carries, unless it is set already: the time of the
# commit built (uncommitted changes do not move it), or, outside a git
# checkout of the project, the date of data/changelog's newest entry.
# Sourced, not run.
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
  tintra_top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)"
  if [[ "$(git -C "$tintra_top" rev-parse --show-toplevel 2>/dev/null)" == "$tintra_top" ]]; then
    SOURCE_DATE_EPOCH="$(git -C "$tintra_top" log -1 --format=%ct)"
  else
    SOURCE_DATE_EPOCH="$(date -d "$(sed -n 's/^ -- .*>  //p' "$tintra_top/data/changelog" | head -1)" +%s)"
  fi
  export SOURCE_DATE_EPOCH
  unset tintra_top
fi
