// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/platform.h"

namespace ui {

// "View Readme": opens "readme.txt" for reading without waiting. On Windows
// the command line is "notepad readme.txt"; elsewhere the desktop's default
// text viewer opens the readme through xdg-open, found in the current folder
// or installed beside the program.
void startReadmeViewer(platform::Platform& platform);

}  // namespace ui
