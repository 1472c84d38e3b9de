// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window without a mouse: every control has a name for assistive
// technology, Tab reaches every control that acts, and the menus open and run
// from the keyboard by their Alt letters.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "accessiblecheck.h"
#include "fakeplatform.h"
#include "recordingwindow.h"
#include "ui/accessiblenames.h"

namespace {

QString focusName() {
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr ? QStringLiteral("(none)") : focus->objectName();
}

// The handlers the window ran, leaving out key presses in the name.
QStringList clicks(const RecordingWindow& window) {
  return window.calls.filter(QStringLiteral("_Click"));
}

QString popupName() {
  const QWidget* popup = QApplication::activePopupWidget();
  return popup == nullptr ? QStringLiteral("(none)") : popup->objectName();
}

}  // namespace

class MainWindowKeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void everyControlHasAnAccessibleName();
  void previewDescriptionFollowsTheName();
  void tableNamesOnlyControlsTheWindowHas();
  void tabFromTheNameGoesToCloseThenReachesEveryControl();
  void altLetterRunsConfig();
  void altLettersOpenSavedAndExamples();
  void menusWithoutLettersAreReachedByArrowKeys();
  void boxOfAMenuCommandGivesTheFocusBackToTheName();

 private:
  void pressOnWindow(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  testing_support::FakePlatform platform_;
  std::unique_ptr<RecordingWindow> window_;
};

void MainWindowKeyboardTest::init() {
  window_ = std::make_unique<RecordingWindow>(platform_);
  window_->show();
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  window_->pureCodeEdit()->setFocus();
}

void MainWindowKeyboardTest::cleanup() {
  window_.reset();
}

void MainWindowKeyboardTest::pressOnWindow(int key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::activePopupWidget();
  if (target == nullptr) {
    target = QApplication::focusWidget();
  }
  QTest::keyClick(target != nullptr ? target : window_.get(), static_cast<Qt::Key>(key), modifiers);
}

void MainWindowKeyboardTest::everyControlHasAnAccessibleName() {
  const QStringList unnamed = accessibility_test::unnamedControls(*window_);
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
  const auto spoken = [this](const char* name) {
    return accessibility_test::spokenName(window_->findChild<QWidget*>(QString::fromLatin1(name)));
  };
  QCOMPARE(spoken("cls"), QStringLiteral("Clear the name"));
  QCOMPARE(spoken("cycleColors"), QStringLiteral("Cycle Colors"));
  QCOMPARE(spoken("codeClick4"), QStringLiteral("Type ^4, blue"));
  // By purpose, not by the colour shown, in the list and in its edit field.
  QCOMPARE(spoken("fromCol"), QStringLiteral("Swap from color"));
  auto* toCol = window_->findChild<QComboBox*>(QStringLiteral("toCol"));
  QCOMPARE(accessibility_test::spokenName(toCol->lineEdit()), QStringLiteral("Swap to color"));
  QCOMPARE(QAccessible::queryAccessibleInterface(toCol)->text(QAccessible::Value),
           QStringLiteral("Green"));
}

void MainWindowKeyboardTest::previewDescriptionFollowsTheName() {
  QWidget* preview = window_->findChild<QWidget*>(QStringLiteral("Picture1"));
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(preview);
  QCOMPARE(face->text(QAccessible::Name),
           QStringLiteral("Preview of the name as the game draws it"));
  QVERIFY(face->text(QAccessible::Description).startsWith(QStringLiteral("TARNWICK!!!!: T red")));
  window_->pureCodeEdit()->selectAll();
  QTest::keyClicks(window_->pureCodeEdit(), QStringLiteral("^1Red^2Green"));
  QCOMPARE(face->text(QAccessible::Description), QStringLiteral("REDGREEN: RED red, GREEN green"));
  window_->app::MainWindow::cycleColors_Click();  // the window records, the tool runs
  QCOMPARE(face->text(QAccessible::Description),
           QStringLiteral("REDGREEN: RED green, GREEN yellow"));
  QCOMPARE(preview->toolTip(), face->text(QAccessible::Description));
}

void MainWindowKeyboardTest::tableNamesOnlyControlsTheWindowHas() {
  QCOMPARE(ui::applyAccessibleNames(*window_, ui::mainWindowAccessibleNames()), QStringList());
  QObject empty;
  QCOMPARE(ui::applyAccessibleNames(empty, ui::mainWindowAccessibleNames()).size(),
           static_cast<qsizetype>(ui::mainWindowAccessibleNames().size()));
}

void MainWindowKeyboardTest::tabFromTheNameGoesToCloseThenReachesEveryControl() {
  QCOMPARE(focusName(), QStringLiteral("pureCode"));
  pressOnWindow(Qt::Key_Tab);
  QCOMPARE(focusName(), QStringLiteral("close"));

  window_->pureCodeEdit()->setFocus();
  const QStringList missed = accessibility_test::controlsTabMisses(*window_);
  QVERIFY2(missed.isEmpty(), qPrintable(missed.join(u' ')));
  QCOMPARE(focusName(), QStringLiteral("pureCode"));
}

void MainWindowKeyboardTest::altLetterRunsConfig() {
  pressOnWindow(Qt::Key_O, Qt::AltModifier);
  QCOMPARE(clicks(*window_), QStringList{QStringLiteral("config_Click")});
  QCOMPARE(window_->name(), QStringLiteral("^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!"));
}

void MainWindowKeyboardTest::altLettersOpenSavedAndExamples() {
  pressOnWindow(Qt::Key_A, Qt::AltModifier);
  QTRY_COMPARE(popupName(), QStringLiteral("saved"));
  pressOnWindow(Qt::Key_Escape);
  pressOnWindow(Qt::Key_Escape);
  QTRY_COMPARE(popupName(), QStringLiteral("(none)"));

  pressOnWindow(Qt::Key_X, Qt::AltModifier);
  QTRY_COMPARE(popupName(), QStringLiteral("examples"));
  // Opened from the keyboard, the menu highlights its first item.
  pressOnWindow(Qt::Key_Down);
  pressOnWindow(Qt::Key_Return);
  QTRY_COMPARE(clicks(*window_), QStringList{QStringLiteral("example2_Click")});
}

void MainWindowKeyboardTest::menusWithoutLettersAreReachedByArrowKeys() {
  // From "E&xamples", Right moves along the bar to "Make name.cfg", which
  // Enter runs, and on to "Help".
  pressOnWindow(Qt::Key_X, Qt::AltModifier);
  QTRY_COMPARE(popupName(), QStringLiteral("examples"));
  pressOnWindow(Qt::Key_Right);
  QTRY_COMPARE(popupName(), QStringLiteral("(none)"));
  pressOnWindow(Qt::Key_Right);
  QTRY_COMPARE(popupName(), QStringLiteral("help"));
  // "A&bout.." inside Help answers to its letter.
  pressOnWindow(Qt::Key_B);
  QTRY_COMPARE(clicks(*window_), QStringList{QStringLiteral("About_Click")});
}

void MainWindowKeyboardTest::boxOfAMenuCommandGivesTheFocusBackToTheName() {
  window_.reset();
  testing_support::FakePlatform platform;
  platform.settings.insert(QStringLiteral("Configuration/First Run"), QStringLiteral("1"));
  app::MainWindow window(platform);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  // A real box, as the desktop shows it, answered with Enter once it is up.
  platform.onMessage = [&window](const testing_support::FakePlatform::Message& message) {
    QMessageBox box(QMessageBox::NoIcon, QString(), message.prompt, QMessageBox::Ok, &window);
    QTimer::singleShot(50, &box, [&box] { QTest::keyClick(&box, Qt::Key_Return); });
    box.exec();
  };
  // "Make name.cfg" from the keyboard; no game folder is set, so it says so.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
  QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTRY_COMPARE(platform.messages.size(), 1);
  window.activateWindow();  // as the window manager does once the box is gone
  QTRY_VERIFY(QApplication::activeWindow() == &window);
  QApplication::processEvents();
  QCOMPARE(QApplication::focusWidget(), window.pureCodeEdit());
}

QTEST_MAIN(MainWindowKeyboardTest)
#include "mainwindow_keyboard_test.moc"
