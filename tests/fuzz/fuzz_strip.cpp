// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>

#include "core/colorcodes.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString name = nameFromBytes(data, size);
  const QString stripped = core::stripColorCodes(name);
  if (stripped.size() > name.size() || stripped.contains(u' ')) {
    std::abort();
  }
  return 0;
}
