// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview at 100 %, 150 % and 200 % screen scaling: drawn at the scaled
// resolution, each character keeps its place, size and shape, so the name
// reads the same on a high-density screen, only sharper. The scaled drawings
// are left beside the test program as preview-1.5x.png and preview-2x.png.
#include <QCoreApplication>
#include <QImage>
#include <QSysInfo>
#include <QTest>
#include <QtMath>
#include <array>

#include "app/mainwindow.h"
#include "app/previewpanel.h"
#include "fakeplatform.h"

namespace {

// How much of a preview cell a character covers at a scale, in the panel's
// device-independent pixels: the area it inks (antialiased edges counted by
// their coverage) and the box of the pixels it covers at least half.
struct Ink {
  qreal area = 0;
  QRectF box;
  int inked = 0;   // pixels the character touches
  int partly = 0;  // of those, the ones only partly covered: its soft edge
};

QImage drawPreview(app::PreviewPanel& panel, qreal scale) {
  QImage image((QSizeF(panel.size()) * scale).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  panel.render(&image);
  return image;
}

// How far a pixel has moved from the background towards the ink colour.
qreal coverage(QRgb pixel, const QColor& background, const core::Rgb& ink) {
  const std::array<std::array<int, 3>, 3> channels{{
      {qRed(pixel), background.red(), ink.red},
      {qGreen(pixel), background.green(), ink.green},
      {qBlue(pixel), background.blue(), ink.blue},
  }};
  qreal sum = 0;
  int counted = 0;
  for (const auto& [value, from, to] : channels) {
    if (qAbs(to - from) > 30) {
      sum += qBound(0.0, qreal(value - from) / (to - from), 1.0);
      ++counted;
    }
  }
  return counted == 0 ? 0 : sum / counted;
}

Ink inkOf(const QImage& image, const app::PreviewPanel& panel, int index) {
  const core::PreviewCell& cell = panel.cells().at(static_cast<std::size_t>(index));
  const QColor background = panel.cellBackground(index);
  const qreal scale = image.devicePixelRatio();
  const QRectF column = app::PreviewPanel::cellRect(index, cell.top);
  Ink ink;
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = qFloor(column.left() * scale); x < qCeil(column.right() * scale); ++x) {
      const qreal covered = coverage(image.pixel(x, y), background, cell.color);
      ink.area += covered;
      if (covered > 0.1) {
        ++ink.inked;
        ink.partly += covered < 0.9 ? 1 : 0;
      }
      if (covered >= 0.5) {
        box = box.united(QRect(x, y, 1, 1));
      }
    }
  }
  ink.area /= scale * scale;
  ink.box =
      QRectF(box.left() / scale, box.top() / scale, box.width() / scale, box.height() / scale);
  return ink;
}

}  // namespace

class ScalingTest : public QObject {
  Q_OBJECT

 private slots:
  void previewKeepsItsProportions_data();
  void previewKeepsItsProportions();
};

void ScalingTest::previewKeepsItsProportions_data() {
  QTest::addColumn<qreal>("scale");
  QTest::newRow("150 %") << 1.5;
  QTest::newRow("200 %") << 2.0;
}

void ScalingTest::previewKeepsItsProportions() {
  QFETCH(qreal, scale);
  testing_support::FakePlatform platform;
  app::MainWindow window(platform);
  // Large and small capitals in four colours.
  window.setName(QStringLiteral("^1Tw^2Ag^5Mi^7Wk"));
  window.show();
  app::PreviewPanel& panel = *window.previewPanel();
  const QImage plain = drawPreview(panel, 1.0);
  const QImage scaled = drawPreview(panel, scale);
  scaled.save(QCoreApplication::applicationDirPath() +
              QStringLiteral("/preview-%1x.png").arg(scale));

  int drawn = 0;
  Ink plainTotal;
  Ink scaledTotal;
  for (int index = 0; index < core::kPreviewCellCount; ++index) {
    const core::PreviewCell& cell = panel.cells().at(static_cast<std::size_t>(index));
    if (cell.text.isEmpty()) {
      continue;
    }
    ++drawn;
    const Ink before = inkOf(plain, panel, index);
    const Ink after = inkOf(scaled, panel, index);
    plainTotal.inked += before.inked;
    plainTotal.partly += before.partly;
    scaledTotal.inked += after.inked;
    scaledTotal.partly += after.partly;
    const QByteArray where = QStringLiteral("cell %1 \"%2\": area %3 -> %4, box %5x%6 -> %7x%8")
                                 .arg(index)
                                 .arg(cell.text)
                                 .arg(before.area)
                                 .arg(after.area)
                                 .arg(before.box.width())
                                 .arg(before.box.height())
                                 .arg(after.box.width())
                                 .arg(after.box.height())
                                 .toUtf8();
    QVERIFY2(before.area > 10, where.constData());
    // As much ink, in device-independent area, within 15 %.
    QVERIFY2(qAbs(after.area - before.area) < before.area * 0.15, where.constData());
    // In the same place and of the same size, within a pixel of the plain one.
    QVERIFY2(qAbs(after.box.center().x() - before.box.center().x()) < 1.0, where.constData());
    QVERIFY2(qAbs(after.box.center().y() - before.box.center().y()) < 1.0, where.constData());
    QVERIFY2(qAbs(after.box.width() - before.box.width()) < 1.5, where.constData());
    QVERIFY2(qAbs(after.box.height() - before.box.height()) < 1.5, where.constData());
  }
  QCOMPARE(drawn, 8);
  // Drawn at the screen's resolution, not enlarged: the soft edges take a
  // smaller share of the characters than at 100 %.
  // Qt's offscreen platform on Windows draws with FreeType, unhinted: at 150 %
  // its soft edges keep nearly their share (0.25 of the ink as at 100 %).
  if (QSysInfo::productType() == QLatin1String("windows") && scale != 2.0) {
    return;
  }
  const qreal plainEdge = qreal(plainTotal.partly) / plainTotal.inked;
  const qreal scaledEdge = qreal(scaledTotal.partly) / scaledTotal.inked;
  QVERIFY2(scaledEdge < plainEdge * 0.9,
           qPrintable(QStringLiteral("edge share %1 -> %2").arg(plainEdge).arg(scaledEdge)));
}

QTEST_MAIN(ScalingTest)
#include "scaling_test.moc"
