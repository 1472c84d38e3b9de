// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The code entry aids and the focus rule: F1 to F9 in the name, the legend
// labels typing where the focus is, cls, and where the focus goes when the
// window becomes active.
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/previewpanel.h"
#include "fakeplatform.h"

namespace {

QString shownText(const app::MainWindow& window) {
  QString text;
  for (const core::PreviewCell& cell : window.previewPanel()->cells()) {
    text += cell.text.isEmpty() ? QStringLiteral(".") : cell.text;
  }
  return text;
}

}  // namespace

class CodeEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void clsEmptiesTheNameAndFocusesIt();
  void functionKeysTypeAtTheCaretOrClear();
  void legendClickTypesWhereTheFocusIs();
  void activationPutsTheFocusInTheName();
  void messageBoxHandsTheFocusBackToTheButton();
  void tabOrderStartsWithTheNameThenClose();
  void altWithALetterOfNoMenuTypesNothing();
};

void CodeEntryTest::clsEmptiesTheNameAndFocusesIt() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  auto* cls = window.findChild<QPushButton*>(QStringLiteral("cls"));
  for (int press = 0; press < 2; ++press) {
    cls->setFocus();
    QTest::mouseClick(cls, Qt::LeftButton);
    QCOMPARE(window.name(), QString());
    QCOMPARE(shownText(window), QString(18, u'.'));
    QCOMPARE(QApplication::focusWidget(), window.pureCodeEdit());
  }
}

void CodeEntryTest::functionKeysTypeAtTheCaretOrClear() {
  testing_support::FakePlatform platform;
  platform.deliverKeys = true;
  app::MainWindow window(platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QLineEdit* name = window.pureCodeEdit();
  window.setName(QStringLiteral("abc"));
  QTest::keyClick(name, Qt::Key_F3);
  QCOMPARE(window.name(), QStringLiteral("abc"));  // the keys come after the handler
  QTRY_COMPARE(window.name(), QStringLiteral("abc^3"));
  name->setSelection(1, 1);
  QTest::keyClick(name, Qt::Key_F3, Qt::ShiftModifier);
  QTRY_COMPARE(window.name(), QStringLiteral("a^3c^3"));
  QTest::keyClick(name, Qt::Key_F10);
  QTest::keyClick(name, Qt::Key_F9);
  QCOMPARE(window.name(), QString());
  QCOMPARE(shownText(window), QString(18, u'.'));
  QCOMPARE(platform.sentKeys, (QStringList{"{^}3", "{^}3"}));
}

void CodeEntryTest::legendClickTypesWhereTheFocusIs() {
  testing_support::FakePlatform platform;
  platform.deliverKeys = true;
  app::MainWindow window(platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  window.setName(QStringLiteral("ab"));
  QWidget* label5 = window.findChild<QWidget*>(QStringLiteral("codeClick5"));
  QTest::mouseClick(label5, Qt::LeftButton);
  QTRY_COMPARE(window.name(), QStringLiteral("ab^5"));
  QCOMPARE(window.previewPanel()->cells().at(2).text, QString());

  auto* cycle = window.findChild<QPushButton*>(QStringLiteral("cycleColors"));
  QTest::mouseClick(cycle, Qt::LeftButton);
  QCOMPARE(window.name(), QStringLiteral("ab^6"));
  QTest::mouseClick(label5, Qt::LeftButton);
  QTest::qWait(20);
  QCOMPARE(window.name(), QStringLiteral("ab^6"));

  auto* toCol = window.findChild<QComboBox*>(QStringLiteral("toCol"));
  toCol->setFocus();
  toCol->lineEdit()->end(false);
  QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("codeClick2")), Qt::LeftButton);
  QTRY_COMPARE(toCol->currentText(), QStringLiteral("Green^2"));
  QCOMPARE(window.name(), QStringLiteral("ab^6"));

  QTest::mouseClick(window.pureCodeEdit(), Qt::LeftButton);
  QTest::mouseClick(label5, Qt::LeftButton);
  QTRY_COMPARE(window.name(), QStringLiteral("ab^6^5"));
}

void CodeEntryTest::activationPutsTheFocusInTheName() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(QApplication::focusWidget(), window.pureCodeEdit());
  window.findChild<QPushButton*>(QStringLiteral("close"))->setFocus();
  QWidget other;
  other.setObjectName(QStringLiteral("otherWindow"));
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  other.close();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(QApplication::focusWidget(), window.pureCodeEdit());
}

void CodeEntryTest::messageBoxHandsTheFocusBackToTheButton() {
  testing_support::FakePlatform platform;
  platform.settings.insert(QStringLiteral("Configuration/First Run"), QStringLiteral("1"));
  app::MainWindow window(platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  auto* cycle = window.findChild<QPushButton*>(QStringLiteral("cycleColors"));
  window.setName(QStringLiteral("^9a"));
  // A real box, as the desktop shows it, dismissed as soon as it is up.
  platform.onMessage = [&window](const testing_support::FakePlatform::Message& message) {
    QMessageBox box(QMessageBox::NoIcon, QString(), message.prompt, QMessageBox::Ok, &window);
    QTimer::singleShot(50, &box, [&box] {
      QVERIFY(QApplication::activeWindow() == &box);
      box.accept();
    });
    box.exec();
  };
  QTest::mouseClick(cycle, Qt::LeftButton);
  QCOMPARE(platform.messages.size(), 1);
  window.activateWindow();  // as the window manager does once the box is gone
  QTRY_VERIFY(QApplication::activeWindow() == &window);
  QApplication::processEvents();
  QCOMPARE(QApplication::focusWidget(), cycle);
  QCOMPARE(window.name(), QStringLiteral("a"));
}

void CodeEntryTest::tabOrderStartsWithTheNameThenClose() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  QCOMPARE(window.pureCodeEdit()->nextInFocusChain(),
           window.findChild<QWidget*>(QStringLiteral("close")));
}

void CodeEntryTest::altWithALetterOfNoMenuTypesNothing() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.setName(QStringLiteral("ab"));
  QTest::keyClick(window.pureCodeEdit(), Qt::Key_H, Qt::AltModifier);
  QTest::keyClick(window.pureCodeEdit(), Qt::Key_C);
  QCOMPARE(window.name(), QStringLiteral("abc"));
}

QTEST_MAIN(CodeEntryTest)
#include "codeentry_test.moc"
