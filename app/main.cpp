#include <QApplication>

#include "app/mainwindow.h"
#include "platform/qtplatform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  platform::QtPlatform platform;
  app::MainWindow window(platform);
  window.show();
  return QApplication::exec();
}
