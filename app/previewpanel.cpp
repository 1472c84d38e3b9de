// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/previewpanel.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/fonts.h"
#include "ui/twips.h"

namespace app {

using ui::twipsToPixelsF;

namespace {

constexpr int kCellLeft = 120;
constexpr int kCellPitch = 360;
constexpr int kCellWidth = 345;
constexpr int kCellHeight = 645;

QColor toColor(const core::Rgb& rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

core::Rgb startShade() {
  return core::colorIndexToRgb(core::kDarkGreyIndex);
}

}  // namespace

PreviewPanel::PreviewPanel(QWidget* parent)
    : QWidget(parent),
      panelBackground_(toColor(startShade())),
      largeFont_(ui::impactFont(core::kLargePointSize)),
      smallFont_(ui::impactFont(core::kSmallPointSize)) {
  setObjectName(QStringLiteral("Picture1"));
  cellBackgrounds_.fill(panelBackground_);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRectF PreviewPanel::cellRect(int cell, int topTwips) {
  return {twipsToPixelsF(kCellLeft + kCellPitch * cell), twipsToPixelsF(topTwips),
          twipsToPixelsF(kCellWidth), twipsToPixelsF(kCellHeight)};
}

void PreviewPanel::showCells(const core::PreviewCells& cells) {
  for (int cell = 0; cell < core::kPreviewCellCount; ++cell) {
    const auto index = static_cast<std::size_t>(cell);
    if (!(cells_.at(index) == cells.at(index))) {
      updateCell(cell, cells_.at(index), cells.at(index));
      cells_.at(index) = cells.at(index);
    }
  }
}

void PreviewPanel::describe(const QString& words) {
  if (words != accessibleDescription()) {
    setAccessibleDescription(words);
    setToolTip(words);
  }
}

void PreviewPanel::updateCell(int cell, const core::PreviewCell& before,
                              const core::PreviewCell& after) {
  // An empty cell looks the same whatever its colour, size or top.
  if (before.text.isEmpty() && after.text.isEmpty()) {
    return;
  }
  const QRectF area = cellRect(cell, before.top).united(cellRect(cell, after.top));
  update(area.toAlignedRect());
}

void PreviewPanel::setPanelBackground(const QColor& color) {
  if (color != panelBackground_) {
    panelBackground_ = color;
    update();
  }
}

void PreviewPanel::setCellBackground(int cell, const QColor& color) {
  if (cell < 0 || cell >= core::kPreviewCellCount) {
    return;
  }
  QColor& background = cellBackgrounds_.at(static_cast<std::size_t>(cell));
  if (color != background) {
    background = color;
    update(cellRect(cell, cells_.at(static_cast<std::size_t>(cell)).top).toAlignedRect());
  }
}

QColor PreviewPanel::cellBackground(int cell) const {
  if (cell < 0 || cell >= core::kPreviewCellCount) {
    return {};
  }
  return cellBackgrounds_.at(static_cast<std::size_t>(cell));
}

QImage PreviewPanel::picture() const {
  QImage image(size() * kPictureScale, QImage::Format_RGB32);
  image.setDevicePixelRatio(kPictureScale);
  // The fonts' point sizes are taken at the screen's resolution, as on it.
  constexpr qreal kInchesPerMetre = 1 / 0.0254;
  image.setDotsPerMeterX(qRound(logicalDpiX() * kInchesPerMetre));
  image.setDotsPerMeterY(qRound(logicalDpiY() * kInchesPerMetre));
  QPainter painter(&image);
  paintPanel(painter, QRegion(rect()));
  painter.end();
  // A plain picture of its pixels to whoever pastes or opens it.
  image.setDevicePixelRatio(1);
  return image;
}

void PreviewPanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintPanel(painter, event->region());
}

void PreviewPanel::paintPanel(QPainter& painter, const QRegion& region) const {
  painter.fillRect(region.boundingRect(), panelBackground_);
  for (int cell = 0; cell < core::kPreviewCellCount; ++cell) {
    const int top = cells_.at(static_cast<std::size_t>(cell)).top;
    if (region.intersects(cellRect(cell, top).toAlignedRect())) {
      paintCell(painter, cell);
    }
  }
}

void PreviewPanel::paintCell(QPainter& painter, int cell) const {
  const core::PreviewCell& content = cells_.at(static_cast<std::size_t>(cell));
  const QRectF area = cellRect(cell, content.top);
  painter.fillRect(area, cellBackground(cell));
  if (content.text.isEmpty()) {
    return;
  }
  painter.setFont(content.pointSize == core::kSmallPointSize ? smallFont_ : largeFont_);
  painter.setPen(toColor(content.color));
  painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, content.text);
}

}  // namespace app
