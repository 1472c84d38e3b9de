// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up stays lean: showing and painting the main window reads no image
// through Qt's format plugins, and the lean style still draws what it replaces.
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QMenuBar>
#include <QTest>

#include "app/mainwindow.h"
#include "fakeplatform.h"
#include "ui/leanstyle.h"

namespace {

bool imageFormatPluginLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) {
    return false;
  }
  return maps.readAll().contains("/imageformats/");
}

}  // namespace

class LeanStartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setStyle(new ui::LeanStyle); }

  void mainWindowLoadsNoImageFormatPlugin() {
    QVERIFY(!imageFormatPluginLoaded());
    testing_support::FakePlatform platform;
    platform.settings.insert(QStringLiteral("Configuration/First Run"), QStringLiteral("1"));
    app::MainWindow window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage drawn = window.grab().toImage();
    QVERIFY(!drawn.isNull());
    QVERIFY(!imageFormatPluginLoaded());
  }

  void framesAreStillDrawnAroundTheirControls() {
    QGroupBox box(QStringLiteral(" Code "));
    box.resize(120, 60);
    const QImage drawn = box.grab().toImage();
    const QColor line = box.palette().color(QPalette::Mid);
    // The left edge of the frame, below the caption, in the frame's colour.
    QCOMPARE(drawn.pixelColor(0, drawn.height() - 10).rgb(), line.rgb());
    QCOMPARE(drawn.pixelColor(drawn.width() / 2, drawn.height() - 2).rgb(), line.rgb());
  }

  void menuBarExtensionIconIsReadWhenDrawn() {
    const QIcon icon =
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.pixmap(16, 16).isNull());
  }
};

QTEST_MAIN(LeanStartupTest)
#include "leanstartup_test.moc"
