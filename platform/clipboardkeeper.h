// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the text put on the clipboard available after the program's windows
// have gone. On X11 the clipboard is served by the program that set it: where
// a clipboard manager runs, Qt hands the text to it when the application shuts
// down; where none runs, the program keeps serving the clipboard, with no
// window, until another program takes the clipboard over.
#pragma once

namespace platform {

// Whether the clipboard would be lost when the program ends now: the program
// owns the clipboard on X11 and no clipboard manager is there to take it.
[[nodiscard]] bool clipboardNeedsServing();

// Ends the event loop once another program owns the clipboard (at once if
// this one no longer does).
void quitWhenClipboardTaken();

}  // namespace platform
