#include <QApplication>

#include "app/mainwindow.h"
#include "data/appicon.h"
#include "platform/qtplatform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  appdata::setUpDesktopIdentity();
  platform::QtPlatform platform;
  app::MainWindow window(platform);
  window.show();
  return QApplication::exec();
}
