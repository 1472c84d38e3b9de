// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <array>

#include "core/colorcodes.h"

namespace app {

class ClickableLabel;

// A filled legend square (the control array Shape, elements 1 to 8).
class LegendSquare : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  void setFillColor(const QColor& color);
  [[nodiscard]] QColor fillColor() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_ = Qt::white;
};

// The frame " The Colors ": eight squares with the codes "^1" to "^8" over
// them and the function keys "F1" to "F8" under them. A click on a code label
// reports its code; the squares and the key labels do nothing.
class ColorLegend : public QGroupBox {
  Q_OBJECT

 public:
  static constexpr int kCodeCount = 8;

  explicit ColorLegend(QWidget* parent = nullptr);

  // Gives square n (1 to 8) its colour.
  void setSquareColor(int code, const core::Rgb& color);

 signals:
  void codeClicked(int code);

 private:
  void setupSquares();
  void setupCodeLabels();
  void setupKeyLabels();

  std::array<LegendSquare*, kCodeCount> squares_{};
  std::array<ClickableLabel*, kCodeCount> codeLabels_{};
};

}  // namespace app
