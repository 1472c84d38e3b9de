// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>

#include "core/colorcodes.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;
  }
  const int fromCode = data[0] % 9;
  const int toCode = data[1] % 9;
  const QString name = nameFromBytes(data + 2, size - 2);
  const QString replaced = core::replaceColorCode(name, fromCode, toCode);
  // Codes keep their length, so only the dropped spaces change the size.
  if (replaced.size() != name.size() - name.count(u' ')) {
    std::abort();
  }
  return 0;
}
