// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Each secondary window exists at most once: showing it again raises the one
// that is open instead of making another.
#pragma once

#include <QApplication>
#include <QWidget>

namespace ui {

// The open (shown, not yet unloaded) window of this type and object name.
template <typename Window>
[[nodiscard]] Window* findOpenWindow(const QString& objectName) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<Window*>(widget);
    if (window != nullptr && window->objectName() == objectName && window->isVisible()) {
      return window;
    }
  }
  return nullptr;
}

}  // namespace ui
