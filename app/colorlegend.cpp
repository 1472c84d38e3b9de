// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/colorlegend.h"

#include <QPainter>

#include "app/clickablelabel.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace app {

using ui::twipsRect;

namespace {

constexpr qreal kLabelPointSize = 11.25;

int squareLeft(int code) {
  return 120 + 600 * (code - 1);
}

}  // namespace

void LegendSquare::setFillColor(const QColor& color) {
  fill_ = color;
  update();
}

void LegendSquare::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setBrush(fill_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

ColorLegend::ColorLegend(QWidget* parent) : QGroupBox(QStringLiteral(" The Colors "), parent) {
  setObjectName(QStringLiteral("Frame1"));
  setupSquares();
  setupCodeLabels();
  setupKeyLabels();
}

void ColorLegend::setSquareColor(int code, const core::Rgb& color) {
  if (code >= 1 && code <= kCodeCount) {
    squares_.at(static_cast<std::size_t>(code - 1))
        ->setFillColor(QColor(color.red, color.green, color.blue));
  }
}

void ColorLegend::setupSquares() {
  for (int code = 1; code <= kCodeCount; ++code) {
    auto* square = new LegendSquare(this);
    square->setObjectName(QStringLiteral("Shape%1").arg(code));
    square->setGeometry(twipsRect(squareLeft(code), 240, 495, 495));
    squares_.at(static_cast<std::size_t>(code - 1)) = square;
  }
}

void ColorLegend::setupCodeLabels() {
  for (int code = 1; code <= kCodeCount; ++code) {
    auto* label = new ClickableLabel(QStringLiteral("^%1").arg(code), this);
    label->setObjectName(QStringLiteral("codeClick%1").arg(code));
    label->setGeometry(twipsRect(squareLeft(code), 360, 495, 375));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::courierNewFont(kLabelPointSize));
    label->setAttribute(Qt::WA_TranslucentBackground);
    if (code == 4 || code == 8) {
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText, Qt::white);
      label->setPalette(palette);
    }
    connect(label, &ClickableLabel::clicked, this, [this, code] { emit codeClicked(code); });
    codeLabels_.at(static_cast<std::size_t>(code - 1)) = label;
  }
}

void ColorLegend::setupKeyLabels() {
  // The key labels keep the names they were designed with, in square order.
  static constexpr std::array<int, kCodeCount> kLabelNumbers{10, 11, 12, 15, 14, 13, 17, 16};
  for (int code = 1; code <= kCodeCount; ++code) {
    auto* label = new QLabel(QStringLiteral("F%1").arg(code), this);
    label->setObjectName(
        QStringLiteral("Label%1").arg(kLabelNumbers.at(static_cast<std::size_t>(code - 1))));
    label->setGeometry(twipsRect(squareLeft(code), 720, 495, 255));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::courierNewFont(kLabelPointSize));
  }
}

}  // namespace app
