// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help text as the Help window's viewer shows it: the document read from
// help.txt turned into the viewer's own document.
#pragma once

#include "ui/helptext.h"

class QFont;
class QTextDocument;

namespace ui {

// Replaces the document's content. Plain text and notices take the viewer's
// font; rich text brings its own fonts where it names them.
void showHelpText(QTextDocument& document, const HelpText& text, const QFont& viewerFont);

}  // namespace ui
