// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The end-to-end tests run in a private Xvfb started here, so that this
// process can grab the screen that tintra draws on; the test of the Windows
// downloads also in one Wine prefix for the whole run.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "virtualdisplay.h"
#ifdef TINTRA_WINE_E2E
#include "winemachine.h"
#endif

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) {
    return RUN_ALL_TESTS();
  }
  e2e::VirtualDisplay display;
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication application(argc, argv);
#ifdef TINTRA_WINE_E2E
  testing::AddGlobalTestEnvironment(&e2e::wineMachine());
#endif
  return RUN_ALL_TESTS();
}
