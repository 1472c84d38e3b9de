// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's message boxes answer to the keyboard as on Windows: Enter
// presses the default button (Yes or OK), Escape cancels (Cancel, else No,
// else OK), and Y and N press Yes and No.
#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "platform/qtplatform.h"

namespace {

// Answers the next message box with one key, typed where the box has its
// focus.
void answerNextBoxWith(Qt::Key key) {
  QTimer::singleShot(0, [key] {
    QWidget* box = QApplication::activeModalWidget();
    QVERIFY(box != nullptr);
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr && box->isAncestorOf(focus) ? focus : box, key);
  });
}

}  // namespace

class MessageBoxKeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void keysAnswerTheBox_data();
  void keysAnswerTheBox();
};

void MessageBoxKeyboardTest::keysAnswerTheBox_data() {
  QTest::addColumn<int>("style");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("answer");
  using platform::answer::kCancel;
  using platform::answer::kNo;
  using platform::answer::kOk;
  using platform::answer::kYes;
  const int yesNoCancel = platform::style::kYesNoCancel + platform::style::kInformationIcon;
  const int yesNo = platform::style::kYesNo + platform::style::kInformationIcon;
  const int ok = platform::style::kOk + platform::style::kStopIcon;
  QTest::newRow("Yes/No/Cancel, Enter is Yes") << yesNoCancel << int(Qt::Key_Return) << kYes;
  QTest::newRow("Yes/No/Cancel, Escape is Cancel") << yesNoCancel << int(Qt::Key_Escape) << kCancel;
  QTest::newRow("Yes/No/Cancel, Y is Yes") << yesNoCancel << int(Qt::Key_Y) << kYes;
  QTest::newRow("Yes/No/Cancel, N is No") << yesNoCancel << int(Qt::Key_N) << kNo;
  QTest::newRow("Yes/No, Enter is Yes") << yesNo << int(Qt::Key_Enter) << kYes;
  QTest::newRow("Yes/No, Escape is No") << yesNo << int(Qt::Key_Escape) << kNo;
  QTest::newRow("Yes/No, N is No") << yesNo << int(Qt::Key_N) << kNo;
  QTest::newRow("OK, Enter is OK") << ok << int(Qt::Key_Return) << kOk;
  QTest::newRow("OK, Escape is OK") << ok << int(Qt::Key_Escape) << kOk;
}

void MessageBoxKeyboardTest::keysAnswerTheBox() {
  QFETCH(int, style);
  QFETCH(int, key);
  QFETCH(int, answer);
  platform::QtPlatform platform;
  answerNextBoxWith(static_cast<Qt::Key>(key));
  QCOMPARE(platform.messageBox(QStringLiteral("Question?"), style, QStringLiteral("Test")), answer);
}

QTEST_MAIN(MessageBoxKeyboardTest)
#include "messagebox_keyboard_test.moc"
