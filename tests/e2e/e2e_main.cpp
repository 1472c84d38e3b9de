// The end-to-end tests run in a private Xvfb started here, so that this
// process can grab the screen that tintra draws on.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "virtualdisplay.h"

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) {
    return RUN_ALL_TESTS();
  }
  e2e::VirtualDisplay display;
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
