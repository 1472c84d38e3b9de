#pragma once

#include <QString>
#include <QStringList>
#include <span>

class QObject;

namespace ui {

// What assistive technology (a screen reader) calls a control, by the
// control's object name. Captions that say what a control does are its name
// already; the table words the others (cls, the legend, the colour lists, the
// preview) and the frames, squares and key labels that have no caption.
struct AccessibleName {
  const char* objectName;
  const char* name;
  const char* description = "";
};

// The main window's controls and menus.
[[nodiscard]] std::span<const AccessibleName> mainWindowAccessibleNames();

// Gives every widget under root that the table names its accessible name and
// description. Returns the object names of the table that root does not hold,
// so that a renamed control is noticed rather than left unnamed.
QStringList applyAccessibleNames(QObject& root, std::span<const AccessibleName> names);

}  // namespace ui
