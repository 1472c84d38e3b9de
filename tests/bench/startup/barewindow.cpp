// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for tintra's start-up: a bare Qt window with one line edit,
// built with the same compiler, flags and Qt as the program.
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new QLineEdit(&window);
  layout->addWidget(edit);
  window.show();
  edit->setFocus();
  return QApplication::exec();
}
