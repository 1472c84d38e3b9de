// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview panel: what it paints and how little it repaints per keystroke.
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

#include "app/mainwindow.h"
#include "app/previewpanel.h"
#include "fakeplatform.h"

namespace {

// Collects the regions the panel paints.
class PaintRecorder : public QObject {
 public:
  QRegion painted;
  int paints = 0;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      painted += static_cast<QPaintEvent*>(event)->region();
      ++paints;
    }
    return false;
  }
};

QRect cellArea(int cell) {
  return app::PreviewPanel::cellRect(cell, core::kLargeTop)
      .united(app::PreviewPanel::cellRect(cell, core::kSmallTop))
      .toAlignedRect();
}

// The colours in one cell's area of a grab, with how many pixels of each.
QMap<QRgb, int> coloursIn(const QImage& image, int cell) {
  QMap<QRgb, int> counts;
  const QRect area = cellArea(cell).intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      ++counts[image.pixel(x, y) & 0xFFFFFFu];
    }
  }
  return counts;
}

// The rows of a cell that hold pixels of the colour.
std::pair<int, int> inkRows(const QImage& image, int cell, QRgb colour) {
  const QRect area = cellArea(cell).intersected(image.rect());
  int first = -1;
  int last = -1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFFu) == colour) {
        first = first < 0 ? y : first;
        last = y;
      }
    }
  }
  return {first, last};
}

constexpr QRgb kRed = 0xFF0000u;
constexpr QRgb kGreen = 0x00FF00u;
constexpr QRgb kWhite = 0xFFFFFFu;
constexpr QRgb kDarkGrey = 0x808080u;
constexpr QRgb kLightGrey = 0xC0C0C0u;

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void paintsCharactersInTheirColoursAndSizes();
  void emptyCellsShowOnlyTheShade();
  void typingAtTheEndRepaintsOnlyTheNewCell();
  void editingTheMiddleRepaintsOnlyTheChangedCells();
  void sameNameAgainRepaintsNothing();
};

void PreviewTest::paintsCharactersInTheirColoursAndSizes() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.setName(QStringLiteral("^1Ta^2W"));
  const QImage image = window.previewPanel()->grab().toImage();
  QVERIFY(coloursIn(image, 0).value(kRed) > 20);
  QVERIFY(coloursIn(image, 1).value(kRed) > 20);
  QVERIFY(coloursIn(image, 2).value(kGreen) > 20);
  QCOMPARE(coloursIn(image, 0).value(kGreen), 0);
  const auto large = inkRows(image, 0, kRed);
  const auto small = inkRows(image, 1, kRed);
  QVERIFY2(small.first > large.first, "a small capital starts lower");
  QVERIFY2(small.second - small.first < large.second - large.first, "a small capital is shorter");
}

void PreviewTest::emptyCellsShowOnlyTheShade() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.setName(QStringLiteral("W^1"));
  QImage image = window.previewPanel()->grab().toImage();
  QVERIFY(coloursIn(image, 0).value(kWhite) > 20);
  for (int cell = 1; cell < core::kPreviewCellCount; ++cell) {
    QCOMPARE(coloursIn(image, cell).keys(), QList<QRgb>{kDarkGrey});
  }
  window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  image = window.previewPanel()->grab().toImage();
  QCOMPARE(coloursIn(image, 5).keys(), QList<QRgb>{kLightGrey});
  QCOMPARE(image.pixel(0, 0) & 0xFFFFFFu, kLightGrey);
}

void PreviewTest::typingAtTheEndRepaintsOnlyTheNewCell() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.setName(QStringLiteral("^1abc"));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  PaintRecorder recorder;
  window.previewPanel()->installEventFilter(&recorder);
  QTest::keyClicks(window.pureCodeEdit(), QStringLiteral("d"));
  QTRY_VERIFY(recorder.paints > 0);
  QApplication::processEvents();
  QVERIFY2(cellArea(3).contains(recorder.painted.boundingRect()), "only cell 3 is repainted");
}

void PreviewTest::editingTheMiddleRepaintsOnlyTheChangedCells() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.setName(QStringLiteral("abcdef"));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  PaintRecorder recorder;
  window.previewPanel()->installEventFilter(&recorder);
  window.setName(QStringLiteral("ab^2cdef"));  // recolours cells 2 to 5 only
  QTRY_VERIFY(recorder.paints > 0);
  QApplication::processEvents();
  const QRegion changed = QRegion(cellArea(2)) + cellArea(3) + cellArea(4) + cellArea(5);
  QVERIFY(changed.contains(recorder.painted.boundingRect().topLeft()));
  QVERIFY((recorder.painted - changed).isEmpty());
  QVERIFY(!recorder.painted.intersects(cellArea(1)));
}

void PreviewTest::sameNameAgainRepaintsNothing() {
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  PaintRecorder recorder;
  window.previewPanel()->installEventFilter(&recorder);
  window.pureCode_Change();
  window.setName(window.name());
  QTest::qWait(20);
  QCOMPARE(recorder.paints, 0);
}

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
