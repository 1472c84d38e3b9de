// The end-to-end test of the Windows downloads runs in a private Xvfb, with
// one Wine prefix for the whole run (setting one up takes seconds).
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "virtualdisplay.h"
#include "winemachine.h"

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) {
    return RUN_ALL_TESTS();
  }
  e2e::VirtualDisplay display;
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication application(argc, argv);
  testing::AddGlobalTestEnvironment(&e2e::wineMachine());
  return RUN_ALL_TESTS();
}
