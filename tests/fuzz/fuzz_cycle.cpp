// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>

#include "core/colorcodes.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString name = nameFromBytes(data, size);
  const core::CycleResult once = core::cycleColorCodes(name);
  if (once.text.size() > name.size() || once.unrecognisedCodes < 0) {
    std::abort();
  }
  // Eight presses give back a name that holds no space and no "^9".
  if (once.unrecognisedCodes == 0 && !name.contains(u' ')) {
    QString text = name;
    for (int press = 0; press < 8; ++press) {
      text = core::cycleColorCodes(text).text;
    }
    if (text != name) {
      std::abort();
    }
  }
  return 0;
}
