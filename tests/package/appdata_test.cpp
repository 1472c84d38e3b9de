// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon compiled into the program and the desktop identity it gives the application.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "data/appicon.h"

namespace {

TEST(ApplicationIcon, HoldsEverySizeDrawnForItsSize) {
  const QIcon icon = appdata::applicationIcon();
  const QList<QSize> expected{QSize(16, 16), QSize(32, 32),   QSize(48, 48),
                              QSize(64, 64), QSize(128, 128), QSize(256, 256)};
  EXPECT_EQ(icon.availableSizes(), expected);
  for (const QSize& size : expected) {
    const QImage image = icon.pixmap(size).toImage();
    ASSERT_EQ(image.size(), size) << "the PNG for " << size.width() << " is missing";
    // The corners are transparent and the middle of the caret is painted.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_GT(qAlpha(image.pixel(size.width() / 2, size.height() / 4)), 200);
  }
}

TEST(ApplicationIcon, DesktopIdentityNamesTheEntryAndSetsTheIcon) {
  appdata::setUpDesktopIdentity();
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.Tintra"));
  const QList<QSize> small{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
  EXPECT_EQ(QGuiApplication::windowIcon().availableSizes(), small);
}

}  // namespace

int main(int argc, char** argv) {
  // Test discovery runs this without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
