// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

namespace ui {

// The program's fonts by the names it was designed with. Where Verdana,
// Courier New, Impact or MS Sans Serif are not installed, a close installed
// substitute is named explicitly (asking fontconfig for "Impact" may give a
// symbol font). Each family is resolved once.
[[nodiscard]] QFont verdanaFont(qreal pointSize);
[[nodiscard]] QFont courierNewFont(qreal pointSize);
[[nodiscard]] QFont impactFont(qreal pointSize);
[[nodiscard]] QFont msSansSerifFont(qreal pointSize, bool bold = false);

// The first family of the list that is installed and writes Latin letters,
// else the last one.
[[nodiscard]] QString firstInstalledFamily(const QStringList& families);

}  // namespace ui
