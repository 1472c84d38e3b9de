// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QFontDatabase>

namespace ui {
namespace {

QFont fontOf(const QString& family, qreal pointSize) {
  QFont font(family);
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace

QString firstInstalledFamily(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    // A family that writes no Latin letters is no substitute. A symbol font
    // may still claim Latin, so the lists name real text fonts only.
    if (installed.contains(family, Qt::CaseInsensitive) &&
        QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin)) {
      return family;
    }
  }
  return families.isEmpty() ? QString() : families.back();
}

QFont verdanaFont(qreal pointSize) {
  static const QString family =
      firstInstalledFamily({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  return fontOf(family, pointSize);
}

QFont courierNewFont(qreal pointSize) {
  static const QString family =
      firstInstalledFamily({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                            QStringLiteral("DejaVu Sans Mono")});
  return fontOf(family, pointSize);
}

QFont impactFont(qreal pointSize) {
  // Impact is a heavy condensed sans; Roboto Condensed Bold (fonts-roboto-unhinted)
  // comes closest of the free fonts, Liberation Sans Narrow Bold next.
  static const QString family = firstInstalledFamily(
      {QStringLiteral("Impact"), QStringLiteral("Roboto Condensed"),
       QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
  QFont font = fontOf(family, pointSize);
  font.setWeight(family == QStringLiteral("Impact") ? QFont::Normal : QFont::Bold);
  return font;
}

QFont msSansSerifFont(qreal pointSize, bool bold) {
  static const QString family =
      firstInstalledFamily({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("DejaVu Sans")});
  QFont font = fontOf(family, pointSize);
  font.setBold(bold);
  // Drawn unsmoothed, as its hints ask for at 11 pixels, Liberation Sans lost
  // its capital I under Wine ("f you have suggestions"); smoothed, it keeps it.
  if (family != QStringLiteral("MS Sans Serif")) {
    font.setStyleStrategy(QFont::PreferAntialias);
  }
  return font;
}

}  // namespace ui
