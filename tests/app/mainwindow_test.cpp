// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as a user meets it: its start-up state, the tools writing
// the name back, the code entry aids and the focus rule.
#include "app/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/colorlegend.h"
#include "app/previewpanel.h"
#include "fakeplatform.h"

namespace {

const QString kSample = QStringLiteral("^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!");

QString shownText(const app::MainWindow& window) {
  QString text;
  for (const core::PreviewCell& cell : window.previewPanel()->cells()) {
    text += cell.text.isEmpty() ? QStringLiteral(".") : cell.text;
  }
  return text;
}

QColor rgb(int red, int green, int blue) {
  return {red, green, blue};
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithCaptionSampleAndLegend();
  void captionFollowsTheVersion();
  void colourListsHoldTheEightNamesAndKeepTheirTexts();
  void layoutIsFixedAtTheDesignedSize();

  void cycleReportsEachNineBeforeWritingBack();
  void stripAndSwapWriteBack();
  void swapReadsTheListsByExactText();
  void typedColourNameIsKeptAsTyped();
  void examplesReplaceTheName();

  void shadeSurvivesTyping();
  void closingThroughTheFrameTellsOfUnwrittenSettings();
};

void MainWindowTest::startsWithCaptionSampleAndLegend() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  QCOMPARE(window.windowTitle(), QStringLiteral("Veldmark Name Colorizer V1.22"));
  QCOMPARE(window.name(), kSample);
  QCOMPARE(shownText(window), QStringLiteral("TARNWICK!!!!......"));
  const std::array<QColor, 8> expected{rgb(255, 0, 0),     rgb(0, 255, 0),   rgb(255, 255, 0),
                                       rgb(0, 0, 255),     rgb(0, 255, 255), rgb(255, 0, 255),
                                       rgb(255, 255, 255), rgb(0, 0, 0)};
  for (int code = 1; code <= 8; ++code) {
    auto* square = window.findChild<app::LegendSquare*>(QStringLiteral("Shape%1").arg(code));
    QVERIFY(square != nullptr);
    QCOMPARE(square->fillColor(), expected.at(static_cast<std::size_t>(code - 1)));
  }
  QCOMPARE(window.previewPanel()->panelBackground(), rgb(128, 128, 128));
}

void MainWindowTest::captionFollowsTheVersion() {
  testing_support::FakePlatform platform;
  platform.programVersion = {2, 10, 3};
  app::MainWindow window(platform);
  QCOMPARE(window.windowTitle(), QStringLiteral("Veldmark Name Colorizer V2.103"));
}

void MainWindowTest::colourListsHoldTheEightNamesAndKeepTheirTexts() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  const QStringList names{"Red", "Green", "Yellow", "Blue", "Aqua", "Pink", "White", "Black"};
  for (const char* list : {"fromCol", "toCol"}) {
    auto* box = window.findChild<QComboBox*>(QString::fromLatin1(list));
    QVERIFY(box != nullptr);
    QVERIFY(box->isEditable());
    QStringList items;
    for (int index = 0; index < box->count(); ++index) {
      items << box->itemText(index);
    }
    QCOMPARE(items, names);
  }
  QCOMPARE(window.fromColText(), QStringLiteral("Red"));
  QCOMPARE(window.toColText(), QStringLiteral("Green"));
}

void MainWindowTest::layoutIsFixedAtTheDesignedSize() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.centralWidget()->size(), QSize(482, 289));  // 7230 x 4335 twips
  QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
  QCOMPARE(window.minimumSize(), window.maximumSize());
  QCOMPARE(window.findChild<QWidget*>(QStringLiteral("Picture1"))->size(), QSize(449, 57));
}

void MainWindowTest::cycleReportsEachNineBeforeWritingBack() {
  testing_support::FakePlatform platform;
  platform.settings.insert(QStringLiteral("Configuration/First Run"), QStringLiteral("1"));
  app::MainWindow window(platform);
  window.setName(QStringLiteral("^9a ^9b^8c"));
  QStringList namesWhileShown;
  platform.onMessage = [&](const testing_support::FakePlatform::Message&) {
    namesWhileShown << window.name();
  };
  window.findChild<QPushButton*>(QStringLiteral("cycleColors"))->click();
  QCOMPARE(platform.messages.size(), 2);
  for (const auto& message : platform.messages) {
    QCOMPARE(message.prompt, QStringLiteral("Unreconised Case"));
    QCOMPARE(message.style, 0);
    QCOMPARE(message.title, QString());
  }
  QCOMPARE(namesWhileShown, QStringList(2, QStringLiteral("^9a ^9b^8c")));
  QCOMPARE(window.name(), QStringLiteral("ab^1c"));
  QCOMPARE(shownText(window), QStringLiteral("ABC..............."));
}

void MainWindowTest::stripAndSwapWriteBack() {
  testing_support::FakePlatform platform;
  platform.settings.insert(QStringLiteral("Configuration/First Run"), QStringLiteral("1"));
  app::MainWindow window(platform);
  window.setName(QStringLiteral("Y^8o^7u^8r ^7N^8a^7m^8e"));
  window.findChild<QPushButton*>(QStringLiteral("butSwapColors"))->click();
  QCOMPARE(window.name(), QStringLiteral("Y^8o^7u^8r^7N^8a^7m^8e"));
  auto* fromCol = window.findChild<QComboBox*>(QStringLiteral("fromCol"));
  auto* toCol = window.findChild<QComboBox*>(QStringLiteral("toCol"));
  fromCol->setCurrentIndex(7);
  toCol->setCurrentIndex(6);
  window.findChild<QPushButton*>(QStringLiteral("butSwapColors"))->click();
  QCOMPARE(window.name(), QStringLiteral("Y^7o^7u^7r^7N^7a^7m^7e"));
  window.findChild<QPushButton*>(QStringLiteral("stripCodes"))->click();
  QCOMPARE(window.name(), QStringLiteral("YourName"));
  QCOMPARE(shownText(window), QStringLiteral("YOURNAME.........."));
  QVERIFY(platform.messages.isEmpty());
}

void MainWindowTest::swapReadsTheListsByExactText() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.setName(QStringLiteral("^1a^2b"));
  auto* toCol = window.findChild<QComboBox*>(QStringLiteral("toCol"));
  toCol->setEditText(QStringLiteral("Orange"));
  window.findChild<QPushButton*>(QStringLiteral("butSwapColors"))->click();
  QCOMPARE(window.name(), QStringLiteral("^0a^2b"));
  auto* fromCol = window.findChild<QComboBox*>(QStringLiteral("fromCol"));
  fromCol->setEditText(QStringLiteral("green"));
  toCol->setEditText(QStringLiteral("Red"));
  window.findChild<QPushButton*>(QStringLiteral("butSwapColors"))->click();
  QCOMPARE(window.name(), QStringLiteral("^0a^2b"));
}

void MainWindowTest::typedColourNameIsKeptAsTyped() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  auto* fromCol = window.findChild<QComboBox*>(QStringLiteral("fromCol"));
  fromCol->setFocus();
  fromCol->lineEdit()->selectAll();
  QTest::keyClicks(fromCol, QStringLiteral("red"));
  QCOMPARE(fromCol->currentText(), QStringLiteral("red"));
  QTest::keyClick(fromCol, Qt::Key_Return);
  window.pureCodeEdit()->setFocus();
  QApplication::processEvents();
  QCOMPARE(fromCol->currentText(), QStringLiteral("red"));
  QCOMPARE(fromCol->count(), 8);
  fromCol->setFocus();
  fromCol->lineEdit()->selectAll();
  QTest::keyClicks(fromCol, QStringLiteral("Blu"));
  QCOMPARE(fromCol->currentText(), QStringLiteral("Blu"));
  window.pureCodeEdit()->setFocus();
  QCOMPARE(fromCol->currentText(), QStringLiteral("Blu"));
  QCOMPARE(fromCol->count(), 8);
}

void MainWindowTest::examplesReplaceTheName() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.example2_Click();
  QCOMPARE(window.name(), QStringLiteral("Y^8o^7u^8r ^7N^8a^7m^8e"));
  QCOMPARE(shownText(window), QStringLiteral("YOUR NAME........."));
  window.example1_Click();
  QCOMPARE(window.name(), QStringLiteral("^7cl^2A^7nn^2A^7me^6|^7n^2A^7me"));
  window.example3_Click();
  QCOMPARE(window.name(), QStringLiteral("^7B^4!^7tch^4|^7T^4a^7r"));
  QCOMPARE(shownText(window), QStringLiteral("B!TCH|TAR........."));
}

void MainWindowTest::shadeSurvivesTyping() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  const QColor light = rgb(192, 192, 192);
  window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  QTest::keyClicks(window.pureCodeEdit(), QStringLiteral("x^2y"));
  window.setName(QStringLiteral("^3abc"));
  app::PreviewPanel* panel = window.previewPanel();
  QCOMPARE(panel->panelBackground(), light);
  for (int cell = 0; cell < core::kPreviewCellCount; ++cell) {
    QCOMPARE(panel->cellBackground(cell), light);
  }
  window.findChild<QPushButton*>(QStringLiteral("Command4"))->click();
  QCOMPARE(panel->panelBackground(), rgb(128, 128, 128));
  QCOMPARE(panel->cellBackground(17), rgb(128, 128, 128));
  QCOMPARE(window.name(), QStringLiteral("^3abc"));
}

void MainWindowTest::closingThroughTheFrameTellsOfUnwrittenSettings() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.show();
  platform.savesWaiting = true;
  QTimer::singleShot(0, &window, &QWidget::close);
  platform.messages.clear();  // the first-run notice
  QApplication::exec();
  QCOMPARE(platform.messages.size(), 1);
  QVERIFY(platform.messages[0].prompt.contains(QStringLiteral("are lost")));
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
