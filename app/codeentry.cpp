// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/codeentry.h"

namespace app {

void typeColorCode(platform::Platform& platform, int code) {
  platform.sendKeys(QStringLiteral("{^}") + QString::number(code));
}

int keyCodeOf(int qtKey) {
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
    return keycode::kF1 + (qtKey - Qt::Key_F1);
  }
  return qtKey;
}

}  // namespace app
