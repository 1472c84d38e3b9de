// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tables of the RTF control words that the reader treats alike.
#pragma once

#include <QByteArrayView>

#include "rtf/rtfreader.h"

namespace rtf::rtfwords {

// Destinations whose contents are never shown: document information, style
// sheets, pictures, objects, headers, footers, notes and tables of lists.
[[nodiscard]] bool isSkippedDestination(QByteArrayView word);

// "\ul" and its dotted, double, wavy and thick forms; not "\ulnone" or "\ulc".
[[nodiscard]] bool isUnderlineWord(QByteArrayView word);

// The character that a word such as "\emdash" or "\tab" stands for, or 0.
[[nodiscard]] char16_t specialCharacter(QByteArrayView word);

// "\qc" and its kin; "\ql" and anything else is left alignment.
[[nodiscard]] RtfAlignment alignmentOf(QByteArrayView word);

}  // namespace rtf::rtfwords
