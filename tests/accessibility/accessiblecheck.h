// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the accessibility tests ask of any window: a name for every control as
// assistive technology reads it, and a Tab path through every control that acts.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTextEdit>
#include <QWidget>

namespace accessibility_test {

// The name a screen reader announces: the one set for the control, else its
// caption, text or title.
inline QString spokenName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face == nullptr ? QString() : face->text(QAccessible::Name).trimmed();
}

// Controls of the window's own making (Qt names its inner parts qt_...), less
// plain containers.
inline bool isControl(const QWidget* widget) {
  const QString name = widget->objectName();
  return !name.isEmpty() && !name.startsWith(QStringLiteral("qt_")) &&
         name != QStringLiteral("client");
}

// What a screen reader can act on: anything with an action, anything that
// takes text or a choice. Walks the tree assistive technology walks, so the
// parts Qt makes inside a control (a list's edit field) are met too.
inline void unnamedInTree(QAccessibleInterface* face, QStringList& unnamed, int depth = 0) {
  using A = QAccessible;
  const QList roles{A::EditableText, A::ComboBox, A::List, A::ListItem, A::ScrollBar, A::MenuItem};
  const QAccessibleActionInterface* actions = face->actionInterface();
  if ((roles.contains(face->role()) || (actions && !actions->actionNames().isEmpty())) &&
      face->text(A::Name).trimmed().isEmpty()) {
    const QObject* object = face->object();
    unnamed << QStringLiteral("%1 (role %2) in %3")
                   .arg(object != nullptr ? object->metaObject()->className() : "item")
                   .arg(face->role())
                   .arg(face->parent() ? face->parent()->text(A::Name) : QString());
  }
  for (int index = 0; depth < 20 && index < face->childCount(); ++index) {
    if (QAccessibleInterface* child = face->child(index)) {
      unnamedInTree(child, unnamed, depth + 1);
    }
  }
}

inline QStringList unnamedControls(QWidget& window) {
  QStringList unnamed;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (isControl(widget) && spokenName(widget).isEmpty()) {
      unnamed << widget->objectName();
    }
  }
  unnamedInTree(QAccessible::queryAccessibleInterface(&window), unnamed);
  return unnamed;
}

inline bool acts(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
         qobject_cast<const QComboBox*>(widget) != nullptr ||
         qobject_cast<const QLineEdit*>(widget) != nullptr ||
         qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
         qobject_cast<const QTextEdit*>(widget) != nullptr;
}

// Presses Tab from the focused control until the focus comes back, and
// returns the controls that act but were never reached.
inline QStringList controlsTabMisses(QWidget& window) {
  QWidget* first = QApplication::focusWidget();
  if (first == nullptr) {
    return {QStringLiteral("(nothing has the focus)")};
  }
  QList<QWidget*> reached{first};
  for (int step = 0; step < 60; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    if (now == first || now == nullptr) {
      break;
    }
    reached << now;
  }
  QStringList missed;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    // An editable combo box hands its focus to the line edit inside it.
    const bool inside = std::any_of(reached.cbegin(), reached.cend(),
                                    [widget](QWidget* at) { return widget->isAncestorOf(at); });
    if (acts(widget) && isControl(widget) && !reached.contains(widget) && !inside) {
      missed << widget->objectName();
    }
  }
  return missed;
}

}  // namespace accessibility_test
