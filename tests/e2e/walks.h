// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Walks that the Linux program and tintra.exe under Wine must both pass, each
// on sessions that its test has set up. They report through gtest's
// assertions; a fatal one ends the walk.
#pragma once

#include <QString>

#include "session.h"

namespace e2e {

// The settings file cannot be written (a folder stands in its place) and it
// held nothing yet: past the first-run notice and the word that settings
// cannot be saved, closing the main window through its frame tells once, in
// the real message box, what is lost, and the program ends.
void frameCloseTellsOnceAndEnds(Session& session);

// Two running copies on one settings file, saving in turn: each restores what
// the other saved last, a name of the same size within one tick of the file's
// clock too. Both are started.
void twoCopiesRestoreWhatTheOtherSaved(Session& first, Session& second);

// Copy Picture from the preview's menu, pasted by another program (xclip),
// and Save Picture As... from the name box's menu into the file typed as
// `typedFile` (read back at `savedFile`): both are the preview at twice its
// size. The session is started.
void pictureIsThePreviewAtTwiceItsSize(Session& session, const QString& typedFile,
                                       const QString& savedFile);

// Make name.cfg writes the name into `nameCfg`, in the game folder the
// settings name; Load name.cfg from the name box's menu (opened with
// `menuKey`) and the file dropped onto the main window bring it back, each as
// one step that Ctrl+Z takes back. The session is started.
void nameCfgLoadsBackAsOneStep(Session& session, const QString& nameCfg,
                               const QString& menuKey = QStringLiteral("shift+F10"));

}  // namespace e2e
