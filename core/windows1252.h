// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows-1252, the single-byte code page of the game's scripts and of text
// that Windows' Notepad saves as "ANSI". Bytes 0x80 to 0x9F hold punctuation
// and signs; every other byte is the Latin-1 character of its value.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace core {

// The character a byte stands for. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control character of
// their value, as Windows reads them.
// windows1252Char(0x80) == u'€'; windows1252Char(0xE9) == u'é'
[[nodiscard]] char16_t windows1252Char(unsigned char byte);

// fromWindows1252("Cr\xE9" "ations") == "Créations"
[[nodiscard]] QString fromWindows1252(QByteArrayView bytes);

}  // namespace core
