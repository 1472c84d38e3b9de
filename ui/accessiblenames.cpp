// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessiblenames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QScrollBar>
#include <QWidget>
#include <array>

namespace ui {
namespace {

constexpr const char* kLegendHint = "Types the colour code where the cursor is";

constexpr std::array kMainWindowNames{
    AccessibleName{"menuBar", "Menu bar"},
    AccessibleName{"saved", "Saved"},
    AccessibleName{"saveToSlot", "Save To Slot"},
    AccessibleName{"restore", "Restore From Slot"},
    AccessibleName{"examples", "Examples"},
    AccessibleName{"help", "Help"},
    AccessibleName{"Line1", "Separator"},

    AccessibleName{"Shape1", "Red"},
    AccessibleName{"Shape2", "Green"},
    AccessibleName{"Shape3", "Yellow"},
    AccessibleName{"Shape4", "Blue"},
    AccessibleName{"Shape5", "Aqua"},
    AccessibleName{"Shape6", "Pink"},
    AccessibleName{"Shape7", "White"},
    AccessibleName{"Shape8", "Black"},
    AccessibleName{"codeClick1", "Type ^1, red", kLegendHint},
    AccessibleName{"codeClick2", "Type ^2, green", kLegendHint},
    AccessibleName{"codeClick3", "Type ^3, yellow", kLegendHint},
    AccessibleName{"codeClick4", "Type ^4, blue", kLegendHint},
    AccessibleName{"codeClick5", "Type ^5, aqua", kLegendHint},
    AccessibleName{"codeClick6", "Type ^6, pink", kLegendHint},
    AccessibleName{"codeClick7", "Type ^7, white", kLegendHint},
    AccessibleName{"codeClick8", "Type ^8, black", kLegendHint},
    AccessibleName{"Label10", "F1 types ^1"},
    AccessibleName{"Label11", "F2 types ^2"},
    AccessibleName{"Label12", "F3 types ^3"},
    AccessibleName{"Label15", "F4 types ^4"},
    AccessibleName{"Label14", "F5 types ^5"},
    AccessibleName{"Label13", "F6 types ^6"},
    AccessibleName{"Label17", "F7 types ^7"},
    AccessibleName{"Label16", "F8 types ^8"},

    AccessibleName{"pureCode", "Coded name",
                   "F1 to F8 type the colour codes ^1 to ^8, F9 empties the name"},
    AccessibleName{"cls", "Clear the name"},
    AccessibleName{"fromCol", "Swap from color"},
    AccessibleName{"toCol", "Swap to color"},
    AccessibleName{"Picture1", "Preview of the name as the game draws it"},
    AccessibleName{"Command3", "Light Grey background"},
    AccessibleName{"Command4", "Dark Grey background"},
};

// The check boxes of the Configuration window have no text of their own:
// the label beside each says what it does.
constexpr std::array kConfigWindowNames{
    AccessibleName{"fileLocation", "Location of Veldmark"},
    AccessibleName{"cmdBrowse", "Browse for Veldmark"},
    AccessibleName{"CheckEx", "Display example name at start-up."},
    AccessibleName{"askCopychk", "On quit ask about copy to clipboard."},
    AccessibleName{"saveOnQuitchk", "Save content on quit and restore on load."},
};

constexpr std::array kBrowseWindowNames{
    AccessibleName{"Drive1", "Drive"},
    AccessibleName{"Dir1", "Folders"},
    AccessibleName{"File1", "Files", "Only the game's program, veldmarkmp.exe, is listed"},
};

constexpr std::array kHelpWindowNames{
    AccessibleName{"RichTextBox1", "Help text"},
};

constexpr std::array kAboutWindowNames{
    AccessibleName{"Picture1", "Photograph"},
};

// The parts Qt makes inside a control are read on their own: a list's edit
// field when it has the focus, its drop-down list when open, the scroll bars
// of a text. Each says whose part it is.
void nameInnerParts(QWidget& widget) {
  const QString name = widget.accessibleName();
  if (auto* list = qobject_cast<QComboBox*>(&widget)) {
    list->view()->setAccessibleName(name);
    if (list->lineEdit() != nullptr) {
      list->lineEdit()->setAccessibleName(name);
    }
  } else if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget)) {
    area->verticalScrollBar()->setAccessibleName(name + QStringLiteral(", vertical"));
    area->horizontalScrollBar()->setAccessibleName(name + QStringLiteral(", horizontal"));
  }
}

}  // namespace

std::span<const AccessibleName> mainWindowAccessibleNames() {
  return kMainWindowNames;
}

std::span<const AccessibleName> configWindowAccessibleNames() {
  return kConfigWindowNames;
}

std::span<const AccessibleName> browseWindowAccessibleNames() {
  return kBrowseWindowNames;
}

std::span<const AccessibleName> helpWindowAccessibleNames() {
  return kHelpWindowNames;
}

std::span<const AccessibleName> aboutWindowAccessibleNames() {
  return kAboutWindowNames;
}

QStringList applyAccessibleNames(QObject& root, std::span<const AccessibleName> names) {
  QStringList missing;
  for (const AccessibleName& entry : names) {
    const QString objectName = QString::fromLatin1(entry.objectName);
    auto* widget = root.findChild<QWidget*>(objectName);
    if (widget == nullptr) {
      missing << objectName;
      continue;
    }
    widget->setAccessibleName(QString::fromUtf8(entry.name));
    widget->setAccessibleDescription(QString::fromUtf8(entry.description));
    nameInnerParts(*widget);
  }
  return missing;
}

}  // namespace ui
