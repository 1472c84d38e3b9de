// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>

#include "core/preview.h"

namespace app {

// The grey preview panel (Picture1) with its 18 character cells (output 0 to
// 17), painted by one widget. It shows exactly the cells it is given and
// repaints only the cells whose content changed, so typing a character costs
// one or two cells, not the row. The backgrounds are the panel's own: showing
// cells never touches them.
class PreviewPanel : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewPanel(QWidget* parent = nullptr);

  void showCells(const core::PreviewCells& cells);
  [[nodiscard]] const core::PreviewCells& cells() const { return cells_; }
  // What the cells show, in words: the accessible description, so that a
  // screen reader is told of each change, and the tooltip.
  void describe(const QString& words);

  void setPanelBackground(const QColor& color);
  void setCellBackground(int cell, const QColor& color);
  [[nodiscard]] QColor panelBackground() const { return panelBackground_; }
  [[nodiscard]] QColor cellBackground(int cell) const;

  // Where cell k sits for a given top edge, in the panel's pixels.
  [[nodiscard]] static QRectF cellRect(int cell, int topTwips);

  // The panel as shown now, drawn as on the screen but at kPictureScale
  // times its size whatever the screen's scale (898 x 114 pixels), to be
  // crisp where it is pasted.
  static constexpr int kPictureScale = 2;
  [[nodiscard]] QImage picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void updateCell(int cell, const core::PreviewCell& before, const core::PreviewCell& after);
  void paintPanel(QPainter& painter, const QRegion& region) const;
  void paintCell(QPainter& painter, int cell) const;

  core::PreviewCells cells_ = core::initialPreviewCells();
  QColor panelBackground_;
  std::array<QColor, core::kPreviewCellCount> cellBackgrounds_;
  QFont largeFont_;
  QFont smallFont_;
};

}  // namespace app
