// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Configuration, browse, Help and About windows without a mouse: every
// control has a name for assistive technology and Tab reaches every control
// that acts.
#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "accessiblecheck.h"
#include "fakeplatform.h"
#include "settings/globalvars.h"
#include "ui/accessiblenames.h"
#include "ui/frmabout.h"
#include "ui/frmbrowse.h"
#include "ui/frmconfig.h"
#include "ui/frmhelp.h"

class WindowsKeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void everyControlIsNamedAndReachedByTab_data();
  void everyControlIsNamedAndReachedByTab();
  void configCheckBoxesAreNamedAfterTheirLabels();

 private:
  testing_support::FakePlatform platform_;
  settings::GlobalVars globals_;
};

void WindowsKeyboardTest::everyControlIsNamedAndReachedByTab_data() {
  QTest::addColumn<QString>("window");
  QTest::newRow("Configuration") << QStringLiteral("frmConfig");
  QTest::newRow("browse") << QStringLiteral("frmBrowse");
  QTest::newRow("Help") << QStringLiteral("frmHelp");
  QTest::newRow("About") << QStringLiteral("frmAbout");
}

void WindowsKeyboardTest::everyControlIsNamedAndReachedByTab() {
  QFETCH(QString, window);
  std::unique_ptr<QWidget> shown;
  std::span<const ui::AccessibleName> names;
  if (window == QStringLiteral("frmConfig")) {
    shown = std::make_unique<ui::FrmConfig>(platform_, globals_);
    names = ui::configWindowAccessibleNames();
  } else if (window == QStringLiteral("frmBrowse")) {
    const QList<game::Drive> drives{{QStringLiteral("/"), QStringLiteral("/")}};
    shown = std::make_unique<ui::FrmBrowse>(platform_, globals_, drives);
    names = ui::browseWindowAccessibleNames();
  } else if (window == QStringLiteral("frmHelp")) {
    shown = std::make_unique<ui::FrmHelp>(platform_);
    names = ui::helpWindowAccessibleNames();
  } else {
    shown = std::make_unique<ui::FrmAbout>(platform_);
    names = ui::aboutWindowAccessibleNames();
  }
  shown->setAttribute(Qt::WA_DeleteOnClose, false);
  shown->show();
  shown->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(shown.get()));

  const QStringList unnamed = accessibility_test::unnamedControls(*shown);
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
  // Every entry of the window's table names a control it has.
  QCOMPARE(ui::applyAccessibleNames(*shown, names), QStringList());

  if (QApplication::focusWidget() == nullptr) {
    QTest::keyClick(shown.get(), Qt::Key_Tab);
  }
  const QStringList missed = accessibility_test::controlsTabMisses(*shown);
  QVERIFY2(missed.isEmpty(), qPrintable(missed.join(u' ')));
}

void WindowsKeyboardTest::configCheckBoxesAreNamedAfterTheirLabels() {
  ui::FrmConfig window(platform_, globals_);
  for (const char* name : {"CheckEx", "askCopychk", "saveOnQuitchk"}) {
    auto* box = window.findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY(box != nullptr);
    QVERIFY2(accessibility_test::spokenName(box).endsWith(u'.'), name);
  }
}

QTEST_MAIN(WindowsKeyboardTest)
#include "windows_keyboard_test.moc"
