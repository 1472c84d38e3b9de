// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The font substitutes resolve to installed fonts that draw letters.
#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>
#include <QTest>

namespace {

// A font draws letters when it maps them and its full stop is a small dot
// beside a W; a symbol font that maps ASCII to dingbats fails this.
bool drawsLetters(const QFont& font) {
  const QRawFont raw = QRawFont::fromFont(font);
  for (char32_t letter = U'A'; letter <= U'Z'; ++letter) {
    if (!raw.supportsCharacter(letter)) {
      return false;
    }
  }
  const QFontMetricsF metrics(font);
  const QRectF dot = metrics.boundingRect(u'.');
  const QRectF wide = metrics.boundingRect(u'W');
  return dot.width() * dot.height() * 4 < wide.width() * wide.height();
}

}  // namespace

class FontsTest : public QObject {
  Q_OBJECT

 private slots:
  void impactSubstituteIsAHeavyLetterFont();
  void textFontsResolveToLetterFonts();
  void familyWithoutLatinLettersIsPassedOver();
  void letterCheckRejectsADingbatFont();
};

void FontsTest::impactSubstituteIsAHeavyLetterFont() {
  const QFont font = ui::impactFont(22);
  const QFontInfo info(font);
  QCOMPARE(info.family(), font.family());  // installed, not substituted by fontconfig
  QVERIFY2(drawsLetters(font), qPrintable(info.family()));
  QVERIFY(qAbs(info.pointSizeF() - 22.0) < 0.5);  // whole pixels at the screen's dpi
  if (info.family() != QStringLiteral("Impact")) {
    QVERIFY(info.weight() >= QFont::Bold);
  }
}

void FontsTest::textFontsResolveToLetterFonts() {
  for (const QFont& font :
       {ui::verdanaFont(8.25), ui::courierNewFont(11.25), ui::msSansSerifFont(8.25)}) {
    QCOMPARE(QFontInfo(font).family(), font.family());
    QVERIFY2(drawsLetters(font), qPrintable(font.family()));
  }
  QVERIFY(QFontInfo(ui::courierNewFont(11.25)).fixedPitch());
}

void FontsTest::familyWithoutLatinLettersIsPassedOver() {
  QString symbolFamily;
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin)) {
      symbolFamily = family;
      break;
    }
  }
  if (symbolFamily.isEmpty()) {
    QSKIP("every installed family writes Latin letters");
  }
  QCOMPARE(ui::firstInstalledFamily({symbolFamily, QStringLiteral("DejaVu Sans")}),
           QStringLiteral("DejaVu Sans"));
}

// What fontconfig hands out for "Impact" on a Debian desktop without it.
void FontsTest::letterCheckRejectsADingbatFont() {
  const QStringList dingbats =
      QFontDatabase::families().filter(QStringLiteral("D050000L"), Qt::CaseInsensitive);
  if (dingbats.isEmpty()) {
    QSKIP("the URW dingbat font is not installed");
  }
  QFont dingbat(dingbats.first());
  dingbat.setPointSize(22);
  QVERIFY(!drawsLetters(dingbat));
}

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
