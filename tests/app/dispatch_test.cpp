// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which handler each control, menu item and key of the main window runs.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/clickablelabel.h"
#include "fakeplatform.h"
#include "recordingwindow.h"

class DispatchTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonRunsItsHandler_data();
  void buttonRunsItsHandler();
  void menuItemRunsItsHandler_data();
  void menuItemRunsItsHandler();
  void legendLabelRunsCodeClickWithItsIndex();
  void keyInNameBoxRunsKeyDownWithItsKeyCode_data();
  void keyInNameBoxRunsKeyDownWithItsKeyCode();
  void legendSquaresAndKeyLabelsRunNothing();
  void menuBarHoldsTheItemsInOrder();
};

void DispatchTest::buttonRunsItsHandler_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("handlers");
  const auto row = [](const char* button, QStringList handlers) {
    QTest::newRow(button) << QString::fromLatin1(button) << handlers;
  };
  row("cls", {"cls_Click"});
  row("cycleColors", {"cycleColors_Click"});
  row("stripCodes", {"stripCodes_Click"});
  row("butSwapColors", {"butSwapColors_Click"});
  row("Command3", {"Command3_Click"});
  row("Command4", {"Command4_Click"});
  row("Command1", {"Command1_Click"});
  row("Command2", {"Command2_Click"});
  row("Command5", {"Command5_Click", "update_Click"});
  row("close", {"close_Click"});
}

void DispatchTest::buttonRunsItsHandler() {
  QFETCH(QString, button);
  QFETCH(QStringList, handlers);
  testing_support::FakePlatform platform;
  RecordingWindow window(platform);
  auto* control = window.findChild<QPushButton*>(button);
  QVERIFY(control != nullptr);
  QTest::mouseClick(control, Qt::LeftButton);
  QCOMPARE(window.calls, handlers);
}

void DispatchTest::menuItemRunsItsHandler_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<QStringList>("handlers");
  for (const char* item :
       {"config", "saveslot1", "saveslot2", "saveslot3", "resSlot1", "resSlot2", "resSlot3",
        "example1", "example2", "example3", "mkname", "About", "webSite", "update"}) {
    QTest::newRow(item) << QString::fromLatin1(item)
                        << QStringList{QString::fromLatin1(item) + QStringLiteral("_Click")};
  }
  QTest::newRow("helpInfo") << QStringLiteral("helpInfo")
                            << QStringList{QStringLiteral("helpInfo_Click"),
                                           QStringLiteral("Command1_Click")};
}

void DispatchTest::menuItemRunsItsHandler() {
  QFETCH(QString, item);
  QFETCH(QStringList, handlers);
  testing_support::FakePlatform platform;
  RecordingWindow window(platform);
  auto* action = window.findChild<QAction*>(item);
  QVERIFY(action != nullptr);
  action->trigger();
  QCOMPARE(window.calls, handlers);
}

void DispatchTest::legendLabelRunsCodeClickWithItsIndex() {
  testing_support::FakePlatform platform;
  RecordingWindow window(platform);
  QStringList expected;
  for (int code = 8; code >= 1; --code) {
    auto* label = window.findChild<app::ClickableLabel*>(QStringLiteral("codeClick%1").arg(code));
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), QStringLiteral("^%1").arg(code));
    QTest::mouseClick(label, Qt::LeftButton);
    expected << QStringLiteral("codeClick_Click(%1)").arg(code);
  }
  QCOMPARE(window.calls, expected);
}

void DispatchTest::keyInNameBoxRunsKeyDownWithItsKeyCode_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<int>("keyCode");
  QTest::newRow("F1") << int(Qt::Key_F1) << Qt::KeyboardModifiers() << 112;
  QTest::newRow("F8 with shift") << int(Qt::Key_F8) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                 << 119;
  QTest::newRow("F9") << int(Qt::Key_F9) << Qt::KeyboardModifiers() << 120;
  QTest::newRow("F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers() << 121;
  QTest::newRow("letter") << int(Qt::Key_Q) << Qt::KeyboardModifiers() << 81;
}

void DispatchTest::keyInNameBoxRunsKeyDownWithItsKeyCode() {
  QFETCH(int, key);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(int, keyCode);
  testing_support::FakePlatform platform;
  RecordingWindow window(platform);
  QTest::keyClick(window.pureCodeEdit(), static_cast<Qt::Key>(key), modifiers);
  // A modifier arrives as a key of its own first.
  QVERIFY(!window.calls.isEmpty());
  QCOMPARE(window.calls.last(), QStringLiteral("pureCode_KeyDown(%1)").arg(keyCode));
  QCOMPARE(window.calls.size(), modifiers == Qt::NoModifier ? 1 : 2);
}

void DispatchTest::legendSquaresAndKeyLabelsRunNothing() {
  testing_support::FakePlatform platform;
  RecordingWindow window(platform);
  for (const char* name : {"Shape1", "Shape8", "Label10", "Label16", "Picture1"}) {
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY2(widget != nullptr, name);
    QTest::mouseClick(widget, Qt::LeftButton);
  }
  QVERIFY(window.calls.isEmpty());
  QVERIFY(platform.sentKeys.isEmpty());
}

void DispatchTest::menuBarHoldsTheItemsInOrder() {
  testing_support::FakePlatform platform;
  RecordingWindow window(platform);
  QStringList bar;
  for (QAction* action : window.menuBar()->actions()) {
    bar << action->text();
  }
  QCOMPARE(bar, (QStringList{"C&onfig", "S&aved", "E&xamples", "Make name.cfg", "Help"}));
  const auto captions = [&window](const char* menu) {
    QStringList texts;
    for (QAction* action : window.findChild<QMenu*>(QString::fromLatin1(menu))->actions()) {
      texts << action->text();
    }
    return texts;
  };
  QCOMPARE(captions("saved"), (QStringList{"Save To Slot", "Restore From Slot"}));
  QCOMPARE(captions("saveToSlot"), (QStringList{"Slot 1", "Slot 2", "Slot 3"}));
  QCOMPARE(captions("restore"), (QStringList{"Slot 1", "Slot 2", "Slot 3"}));
  QCOMPARE(captions("examples"), (QStringList{"Example 1", "Example 2", "Example 3"}));
  QCOMPARE(captions("help"),
           (QStringList{"Help..", "A&bout..", "Tintra Web Site..", "Check for Update.."}));
}

QTEST_MAIN(DispatchTest)
#include "dispatch_test.moc"
