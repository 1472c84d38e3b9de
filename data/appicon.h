// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace appdata {

// The program's icon, from the PNG sizes compiled into the program (16 to
// 256 pixels). PNGs rather than the SVG: no image plugin is loaded at
// start-up, and each size is drawn for its size.
[[nodiscard]] QIcon applicationIcon();

// Gives the running application its window icon (16 to 64 pixels) and names its desktop entry,
// which Wayland compositors use as the window's app id to find name and icon. Call once, after the
// QApplication is made.
void setUpDesktopIdentity();

}  // namespace appdata
