#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Draws the About window's photograph (216 x 173, baseline JPEG): an evening
# over the fields of Veldmark with a windmill on the hill. Run it once and
# commit the picture; the build embeds ui/resources/about.jpg as it is.
set -euo pipefail
out="${1:-$(dirname "$0")/../ui/resources/about.jpg}"
convert -size 216x173 gradient:'#1d2b5a'-'#f0a050' \
  -fill '#ffe9a8' -draw 'circle 150,112 150,96' \
  -fill '#fff6d0' -draw 'point 20,14 point 47,30 point 88,9 point 120,22 point 190,12 point 205,35 point 66,18' \
  -fill '#6b8f3a' -draw 'path "M 0,118 C 40,98 90,104 130,120 C 165,132 195,110 216,112 L 216,173 L 0,173 Z"' \
  -fill '#4a6e2a' -draw 'path "M 0,140 C 50,122 110,128 150,142 C 180,152 200,140 216,138 L 216,173 L 0,173 Z"' \
  -fill '#d9b44a' -draw 'path "M 0,160 C 60,150 120,154 216,158 L 216,173 L 0,173 Z"' \
  -fill '#3b2a22' -draw 'polygon 52,112 60,78 68,112' \
  -fill '#5a4032' -draw 'rectangle 57,98 63,112' \
  -stroke '#3b2a22' -strokewidth 3 -draw 'line 60,78 40,60 line 60,78 80,96 line 60,78 78,58 line 60,78 42,96' \
  -stroke none -fill '#2e4a1c' \
  -draw 'circle 170,134 170,126 circle 182,132 182,125 rectangle 169,134 172,144 rectangle 181,132 184,142' \
  -blur 0x0.6 -interlace none -sampling-factor 2x2 -quality 88 "jpeg:$out"
