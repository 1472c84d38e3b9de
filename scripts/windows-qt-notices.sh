#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the licence notices of a finished Windows Qt build: one text file
# for Qt and one for each library Qt bundles whose code went into the DLLs,
# holding its copyright notices and the full text of its licences, and
# components.txt, one line per component: name, version, licence, file
# (tab-separated).
#
#   scripts/windows-qt-notices.sh QTBASE_SOURCE BUILD_DIR OUT_DIR
#
# What went in is what the compiler read for the DLLs (ninja's record of
# each object's sources and headers; Qt6Test.dll, for tests only, left out).
# The terms are Debian's: the qt6-base source package's debian/copyright,
# matched file by file. Versions and names come from the bundled libraries'
# qt_attribution.json.
set -euo pipefail
qtbase="$(realpath "$1")" build="$2" out="$3"
mkdir -p "$out"

# The files the compiler read, relative to the Qt source. -n: ninja only
# reads the build's logs, as it would otherwise compact them.
mapfile -t dlls < <(ninja -n -C "$build" -t targets all | sed -n 's/^\([^:]*\.dll\): .*/\1/p' |
  grep -v 'Qt6Test')
((${#dlls[@]} > 0)) || { echo "No DLLs in the Qt build $build" >&2; exit 1; }
inputs="$(ninja -n -C "$build" -t inputs "${dlls[@]}")"
{
  echo "$inputs"
  grep '\.obj$' <<<"$inputs" | xargs ninja -n -C "$build" -t deps | sed -n 's/^    //p'
} | while read -r file; do
    [[ "$file" == /* ]] || file="$(realpath -m "$build/$file")"
    if [[ "$file" == "$qtbase"/* ]]; then echo "${file#"$qtbase"/}"; fi
  done | sort -u >"$out/files.txt"

# Debian's stanzas, the last one matching a file wins; a file under
# src/3rdparty/<name>/ belongs to that library, any other to Qt. Prints, per
# component: its id, 1 when Debian names it only in its "Files: *" stanza,
# its licences, and the common licences their texts name.
awk -v out="$out" '
function glob_regex(glob,   regex, i, c) {
  regex = "^"
  for (i = 1; i <= length(glob); i++) {
    c = substr(glob, i, 1)
    if (c == "*") regex = regex ".*"
    else if (c == "?") regex = regex "."
    else if (index("\\.[]()+{}^$|", c)) regex = regex "\\" c
    else regex = regex c
  }
  return regex "$"
}
function end_paragraph(   n, globs, i) {
  if (files != "") {
    n = split(files, globs, /[ \t\n]+/)
    for (i = 1; i <= n; i++) {
      if (globs[i] == "") continue
      patterns++
      pattern_regex[patterns] = glob_regex(globs[i])
      pattern_prefix[patterns] = globs[i]
      sub(/[*?].*/, "", pattern_prefix[patterns])
      pattern_stanza[patterns] = stanzas + 1
    }
    stanzas++
    stanza_text[stanzas] = paragraph
    stanza_license[stanzas] = license
    catch_all[stanzas] = (files == "*")
  } else if (license != "" && paragraph !~ /^Format:/) {
    license_text[license] = paragraph
  }
  files = ""; license = ""; paragraph = ""; field = ""
}
FNR == NR {
  if ($0 ~ /^[ \t]*$/) { end_paragraph(); next }
  if ($0 ~ /^#/) next
  paragraph = paragraph $0 "\n"
  if ($0 ~ /^[A-Za-z-]+:/) {
    field = $0; sub(/:.*/, "", field)
    value = $0; sub(/^[^:]*:[ \t]*/, "", value)
    if (field == "Files") files = value
    if (field == "License") license = value
  } else if (field == "Files") {
    files = files " " $0
  }
  next
}
FNR == 1 { end_paragraph() }
{
  for (p = patterns; p > 0; p--) {
    if (substr($0, 1, length(pattern_prefix[p])) == pattern_prefix[p] && $0 ~ pattern_regex[p]) break
  }
  if (p == 0) next
  s = pattern_stanza[p]
  component = "qt"
  if ($0 ~ /^src\/3rdparty\/[^\/]+\//) { component = $0; sub(/^src\/3rdparty\//, "", component); sub(/\/.*/, "", component) }
  if (!((component, s) in used)) {
    used[component, s] = 1
    if (!(component in count)) order[++components] = component
    component_stanza[component, ++count[component]] = s
  }
}
END {
  for (c = 1; c <= components; c++) {
    component = order[c]; file = out "/" component ".txt"
    licenses = ""; commons = ""; only_catch_all = 1; delete named
    for (i = 1; i <= count[component]; i++) {
      s = component_stanza[component, i]
      if (!catch_all[s]) only_catch_all = 0
      printf "%s\n", stanza_text[s] > file
      if (!(stanza_license[s] in named)) {
        named[stanza_license[s]] = 1
        licenses = licenses (licenses == "" ? "" : ", ") stanza_license[s]
      }
    }
    delete printed
    for (l in named) {
      # "GPL-3 with Qt-1.0 exception" has a text of its own; "A or B" does not.
      n = split(l, parts, / (or|and) /)
      parts[++n] = l
      for (j = 1; j <= n; j++) {
        if (!(parts[j] in license_text) || (parts[j] in printed)) continue
        printed[parts[j]] = 1
        printf "%s\n", license_text[parts[j]] > file
        text = license_text[parts[j]]
        while (match(text, /\/usr\/share\/common-licenses\/[A-Za-z0-9.+-]*[A-Za-z0-9+-]/)) {
          commons = commons " " substr(text, RSTART + 27, RLENGTH - 27)
          text = substr(text, RSTART + RLENGTH)
        }
      }
    }
    close(file)
    print component "\t" only_catch_all "\t" licenses "\t" commons
  }
}' "$qtbase/debian/copyright" "$out/files.txt" >"$out/components.raw"

# Debian points at /usr/share/common-licenses for the longest texts; Qt's
# source carries them too.
common_license_file() {
  case "$1" in
    GPL-2) echo GPL-2.0-only.txt ;;
    GPL-3) echo GPL-3.0-only.txt ;;
    LGPL-3) echo "LGPL-3.0-only.txt GPL-3.0-only.txt" ;;  # the LGPL is the GPL's additions
    GFDL-1.3) echo GFDL-1.3-no-invariants-only.txt ;;
    Apache-2.0) echo Apache-2.0.txt ;;
    *) echo "No text for /usr/share/common-licenses/$1 in Qt's LICENSES/" >&2; return 1 ;;
  esac
}

# A field of a bundled library's qt_attribution.json, when on one line.
attribution_field() {
  sed -n "s/^ *\"$2\": \"\\(.*\\)\",*\$/\\1/p" "$1/qt_attribution.json"
}

# A bundled library's own copyright notices and licence files, as Qt's
# source names them.
upstream_terms() {
  local dir="$1" file
  echo "The library's own notices and licence files, as Qt's source carries them:"
  echo
  attribution_field "$dir" Copyright
  for file in $(grep -o '"LicenseFiles*": *\(\[[^]]*\]\|"[^"]*"\)' "$dir/qt_attribution.json" |
    sed 's/^"LicenseFiles*": *//' | grep -o '"[^"]*"' | tr -d '"' | sort -u); do
    echo
    echo "$file:"
    echo
    cat "$dir/$file"
  done
}

qt_version="$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' "$qtbase/debian/changelog")"
: >"$out/components.txt"
while IFS=$'\t' read -r id only_catch_all licenses commons; do
  library="$qtbase/src/3rdparty/$id"
  if [[ "$id" == qt ]]; then
    name="Qt (qtbase: Qt Core, Gui, Widgets and their plugins)" version="$qt_version"
  else
    name="$(attribution_field "$library" Name | head -1)"
    version="$(attribution_field "$library" Version | head -1)"
    # Debian's copyright says nothing of its own about this library: its
    # own terms alone.
    if ((only_catch_all)); then
      licenses="$(attribution_field "$library" LicenseId | head -1)"
      {
        echo "$name ${version:-(as bundled in Qt $qt_version)}, inside the Qt DLLs"
        echo
        upstream_terms "$library"
      } >"$out/$id.txt"
      printf '%s\t%s\t%s\t%s\n' "$name" "${version:--}" "$licenses" "$id.txt" >>"$out/components.txt"
      continue
    fi
  fi
  texts=()
  for common in $(tr ' ' '\n' <<<"$commons" | sort -u); do
    common_texts="$(common_license_file "$common")"
    for text in $common_texts; do
      texts+=("$qtbase/LICENSES/$text")
    done
  done
  {
    echo "$name ${version:-(as bundled in Qt $qt_version)}, inside the Qt DLLs"
    echo
    echo "The copyright notices and licences below are those of Debian's description"
    echo "of the qt6-base $qt_version source package (debian/copyright)."
    echo
    cat "$out/$id.txt"
    for text in $(printf '%s\n' "${texts[@]}" | sort -u); do
      echo "Full text of $(basename "$text" .txt):"
      echo
      cat "$text"
      echo
    done
    if [[ "$id" != qt ]]; then
      upstream_terms "$library"
    fi
  } >"$out/$id.txt.new"
  mv "$out/$id.txt.new" "$out/$id.txt"
  printf '%s\t%s\t%s\t%s\n' "$name" "${version:--}" "$licenses" "$id.txt" >>"$out/components.txt"
done <"$out/components.raw"
rm "$out/components.raw" "$out/files.txt"
