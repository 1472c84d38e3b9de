// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "platform/platform.h"

namespace platform {

// Reads a plain file of at most maxBytes bytes whole. The size is checked
// before anything is read, and again while reading, so that a file that grows
// meanwhile is refused too. A folder, a pipe or a device is not read.
[[nodiscard]] ReadResult readSmallFile(const QString& path, qint64 maxBytes);

}  // namespace platform
