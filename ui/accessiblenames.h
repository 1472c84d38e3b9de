// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <span>

class QObject;

namespace ui {

// What assistive technology (a screen reader) calls a control, by the
// control's object name. A button's caption, a label's text and a frame's
// title are their names already; the tables name the controls that have none
// (text boxes, lists, check boxes whose text is a label beside them, the
// squares, the preview, the menus) and reword the captions that say little
// on their own ("cls", "^1", "F1").
struct AccessibleName {
  const char* objectName;
  const char* name;
  const char* description = "";
};

// The controls of each window.
[[nodiscard]] std::span<const AccessibleName> mainWindowAccessibleNames();
[[nodiscard]] std::span<const AccessibleName> configWindowAccessibleNames();
[[nodiscard]] std::span<const AccessibleName> browseWindowAccessibleNames();
[[nodiscard]] std::span<const AccessibleName> helpWindowAccessibleNames();
[[nodiscard]] std::span<const AccessibleName> aboutWindowAccessibleNames();

// Gives every widget under root that the table names its accessible name and
// description, and the parts Qt makes inside it (a list's edit field and
// drop-down list, the scroll bars of a text) a name saying whose they are. Returns the object names
// of the table that root does not hold, so that a renamed control is noticed rather than left
// unnamed.
QStringList applyAccessibleNames(QObject& root, std::span<const AccessibleName> names);

}  // namespace ui
