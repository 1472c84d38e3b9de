// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace ui {

// A combo box as assistive technology reads it, with its accessible name as
// its name. Qt's own interface names a combo box on Linux by its current text
// ("Red, combo box"), which says nothing of what the list is for; here the
// current text is its value, as on Windows. Otherwise it behaves as Qt's: the
// drop-down list and the edit field are its children, and its action opens
// and closes the list.
class ComboBoxAccessible : public QAccessibleWidget {
 public:
  explicit ComboBoxAccessible(QComboBox* comboBox);

  [[nodiscard]] QString text(QAccessible::Text t) const override;
  [[nodiscard]] QAccessible::State state() const override;
  [[nodiscard]] int childCount() const override;
  [[nodiscard]] QAccessibleInterface* child(int index) const override;
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
  [[nodiscard]] QAccessibleInterface* focusChild() const override;
  [[nodiscard]] QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  [[nodiscard]] QComboBox* comboBox() const;
};

// Makes every combo box made after the call use ComboBoxAccessible. A
// window calls it before making its controls, since Qt keeps the interface
// it first made for a widget; calling it again does nothing.
void installComboBoxAccessible();

}  // namespace ui
