#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the application icon's PNG sizes and the Windows .ico from the
# hand-written SVG. The results are committed; run this only after changing
# the SVG. Needs rsvg-convert (Debian package librsvg2-bin) and python3.
set -euo pipefail
icons="$(cd "$(dirname "$0")/../data/icons" && pwd)"
name=org.example.Tintra

for size in 16 32 48 64 128 256; do
  mkdir -p "$icons/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$icons/$name.svg" \
    -o "$icons/hicolor/${size}x${size}/apps/$name.png"
done

# A .ico may hold PNG images directly: a header, one directory entry per
# image, then the PNG files themselves.
python3 - "$icons" "$name" <<'PY'
import pathlib, struct, sys
icons, name = pathlib.Path(sys.argv[1]), sys.argv[2]
sizes = [16, 32, 48, 256]
images = [(icons / f"hicolor/{s}x{s}/apps/{name}.png").read_bytes() for s in sizes]
out = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, data in zip(sizes, images):
    side = size % 256  # 0 stands for 256
    out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
(icons / f"{name}.ico").write_bytes(out + b"".join(images))
PY
