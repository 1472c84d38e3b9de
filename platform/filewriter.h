// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include "platform/platform.h"

namespace platform {

// Replaces the file at path with bytes through a temporary file in the same
// folder and a rename, so a failure at any point leaves the old file as it was.
// The folder is not created. A read-only file is refused, not replaced.
[[nodiscard]] WriteResult replaceFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace platform
