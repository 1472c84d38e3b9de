// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The file name a picture of the name is offered under.
#pragma once

#include <QString>

namespace core {

// The name without its colour codes (spaces kept), with every character that
// a Windows or Linux file name cannot hold (control characters and
// < > : " / \ | ? *) replaced by "_", the dots and spaces at its ends dropped
// (Windows drops them), at most kPictureNameLength characters, and ".png".
// A name of Windows' devices (CON, NUL, COM1...) gets a "_" after the device; a name
// with nothing left is "name".
// pictureFileName("^1Tar^2a: ^3b?") == "Tara_ b_.png"
[[nodiscard]] QString pictureFileName(const QString& name);

inline constexpr qsizetype kPictureNameLength = 100;

}  // namespace core
