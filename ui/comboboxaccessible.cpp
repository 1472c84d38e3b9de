// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/comboboxaccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <utility>

namespace ui {
namespace {

constexpr int kListChild = 0;
constexpr int kEditChild = 1;

QAccessibleInterface* comboBoxFactory(const QString& className, QObject* object) {
  auto* comboBox = qobject_cast<QComboBox*>(object);
  if (className != QStringLiteral("QComboBox") || comboBox == nullptr) {
    return nullptr;
  }
  return new ComboBoxAccessible(comboBox);
}

}  // namespace

ComboBoxAccessible::ComboBoxAccessible(QComboBox* comboBox)
    : QAccessibleWidget(comboBox, QAccessible::ComboBox) {}

QComboBox* ComboBoxAccessible::comboBox() const {
  return qobject_cast<QComboBox*>(object());
}

QString ComboBoxAccessible::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name: {
      const QString name = QAccessibleWidget::text(t);
      return name.isEmpty() ? text(QAccessible::Value) : name;
    }
    case QAccessible::Value:
      return comboBox()->isEditable() ? comboBox()->lineEdit()->text() : comboBox()->currentText();
    case QAccessible::Accelerator:
      return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
    default:
      return QAccessibleWidget::text(t);
  }
}

QAccessible::State ComboBoxAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.expandable = true;
  state.expanded = isValid() && comboBox()->view()->isVisible();
  state.editable = isValid() && comboBox()->isEditable();
  return state;
}

int ComboBoxAccessible::childCount() const {
  return comboBox()->isEditable() ? 2 : 1;
}

QAccessibleInterface* ComboBoxAccessible::child(int index) const {
  if (index == kListChild) {
    return QAccessible::queryAccessibleInterface(comboBox()->view());
  }
  if (index == kEditChild && comboBox()->isEditable()) {
    return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
  }
  return nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) {
    return -1;
  }
  if (child->object() == comboBox()->view()) {
    return kListChild;
  }
  if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit()) {
    return kEditChild;
  }
  return -1;
}

// An editable combo box is the focus proxy of its edit field, which the
// screen reader follows as the focused child.
QAccessibleInterface* ComboBoxAccessible::focusChild() const {
  return comboBox()->isEditable() ? child(kEditChild) : nullptr;
}

QStringList ComboBoxAccessible::actionNames() const {
  return {showMenuAction(), pressAction()};
}

void ComboBoxAccessible::doAction(const QString& actionName) {
  if (actionName != showMenuAction() && actionName != pressAction()) {
    return;
  }
  if (comboBox()->view()->isVisible()) {
    comboBox()->hidePopup();
  } else {
    comboBox()->showPopup();
  }
}

void installComboBoxAccessible() {
  static bool installed = false;
  if (!std::exchange(installed, true)) {
    QAccessible::installFactory(comboBoxFactory);
  }
}

}  // namespace ui
