// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Readable failure messages for the core's values in GoogleTest.
#pragma once

#include <QString>
#include <ostream>

#include "core/colorcodes.h"

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace core {

inline void PrintTo(const Rgb& color, std::ostream* out) {
  *out << '{' << color.red << ", " << color.green << ", " << color.blue << '}';
}

inline void PrintTo(const PreviewCell& cell, std::ostream* out) {
  *out << "{\"" << cell.text.toStdString() << "\", ";
  PrintTo(cell.color, out);
  *out << ", " << cell.pointSize << " pt, top " << cell.top << '}';
}

inline void PrintTo(const ColoredLetters& result, std::ostream* out) {
  *out << '"' << result.text.toStdString() << "\" [" << result.start << ", +" << result.length
       << ']';
}

}  // namespace core
