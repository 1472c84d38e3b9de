// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace platform {

// The characters a key string types: "{^}" is a literal caret, every other
// character stands for itself. keyStringToText("{^}3") == "^3".
[[nodiscard]] QString keyStringToText(const QString& keys);

// Types the key string as key press and release events into whichever widget
// has the focus once control returns to the event loop, as typing would.
void injectKeys(const QString& keys);

}  // namespace platform
