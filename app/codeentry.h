// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The code entry aids: typing a colour code through key injection, and the
// key codes the name box reacts to.
#pragma once

#include "platform/platform.h"

namespace app {

// Key codes as the key-down handler of the name box receives them.
namespace keycode {
constexpr int kF1 = 112;
constexpr int kF8 = 119;
constexpr int kF9 = 120;
}  // namespace keycode

// Types a caret and the code's digit into whichever control has the focus once
// the current handler has returned: typeColorCode(platform, 3) sends "{^}3".
void typeColorCode(platform::Platform& platform, int code);

// The key code of a Qt key: F1 to F24 give 112 to 135, letters and digits
// their upper-case character code; any other key gives its Qt value.
[[nodiscard]] int keyCodeOf(int qtKey);

}  // namespace app
