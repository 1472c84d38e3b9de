// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline of the typing benchmark: a bare Qt window holding one line edit
// of the size and font of tintra's name box, and nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <limits>

#include "ui/fonts.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare line edit"));
  window.setFixedSize(482, 289);
  auto* edit = new QLineEdit(&window);
  edit->setGeometry(16, 104, 281, 25);
  edit->setFont(ui::courierNewFont(11.25));
  edit->setMaxLength(std::numeric_limits<int>::max());  // as tintra's, for the paste
  window.show();
  edit->setFocus();
  return QApplication::exec();
}
