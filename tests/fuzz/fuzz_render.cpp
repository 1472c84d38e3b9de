// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>

#include "core/colorcodes.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  core::PreviewCells cells = core::initialPreviewCells();
  core::renderPreview(cells, nameFromBytes(data, size));
  for (const core::PreviewCell& cell : cells) {
    // One character per cell: one code unit, or one surrogate pair.
    if (cell.text.size() > 2) {
      std::abort();
    }
  }
  return 0;
}
