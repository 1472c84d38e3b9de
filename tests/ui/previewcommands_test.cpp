// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shades and example names, read as the preview draws them.
#include "ui/previewcommands.h"

#include <QTest>

#include "core/colorcodes.h"

namespace {

QString drawn(const QString& name) {
  core::PreviewCells cells = core::initialPreviewCells();
  core::renderPreview(cells, name);
  QString text;
  for (const core::PreviewCell& cell : cells) {
    text += cell.text;
  }
  return text;
}

}  // namespace

class PreviewCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void shadesAreTheTwoGreys();
  void examplesDrawTheirNames_data();
  void examplesDrawTheirNames();
  void numbersOutsideTheMenuGiveNoName();
};

void PreviewCommandsTest::shadesAreTheTwoGreys() {
  QCOMPARE(ui::shadeColor(ui::Shade::Light), (core::Rgb{192, 192, 192}));
  QCOMPARE(ui::shadeColor(ui::Shade::Dark), (core::Rgb{128, 128, 128}));
}

void PreviewCommandsTest::examplesDrawTheirNames_data() {
  QTest::addColumn<int>("number");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("drawn");
  QTest::newRow("1") << 1 << "^7cl^2A^7nn^2A^7me^6|^7n^2A^7me"
                     << "CLANNAME|NAME";
  QTest::newRow("2") << 2 << "Y^8o^7u^8r ^7N^8a^7m^8e"
                     << "YOUR NAME";
  QTest::newRow("3") << 3 << "^7B^4!^7tch^4|^7T^4a^7r"
                     << "B!TCH|TAR";
}

void PreviewCommandsTest::examplesDrawTheirNames() {
  QFETCH(int, number);
  QFETCH(QString, text);
  QFETCH(QString, drawn);
  QCOMPARE(ui::exampleName(number), text);
  QCOMPARE(::drawn(ui::exampleName(number)), drawn);
}

void PreviewCommandsTest::numbersOutsideTheMenuGiveNoName() {
  QCOMPARE(ui::exampleName(0), QString());
  QCOMPARE(ui::exampleName(4), QString());
}

QTEST_GUILESS_MAIN(PreviewCommandsTest)
#include "previewcommands_test.moc"
