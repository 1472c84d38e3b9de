// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "app/mainwindow.h"
#include "data/appicon.h"
#include "platform/qtplatform.h"
#include "ui/leanstyle.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setStyle(new ui::LeanStyle);
  appdata::setUpDesktopIdentity();
  platform::QtPlatform platform;
  app::MainWindow window(platform);
  window.show();
  return QApplication::exec();
}
