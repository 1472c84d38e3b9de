// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace ui {

// The desktop's style, less two things that cost start-up time and memory for
// nothing: the menu bar's extension icon, which our fixed-size menu bar never
// shows, is only read when drawn; and frames are drawn with lines instead of
// from an image. Reading an image file by its name makes Qt load every image
// format plugin (SVG, JPEG, GIF, ICO) with their libraries.
// A push button's caption may use the whole height inside its frame: the
// Windows style's margins leave the designed 17-pixel buttons less than a
// line of text, and their captions lost the feet of "p" and "y".
class LeanStyle : public QProxyStyle {
  Q_OBJECT

 public:
  LeanStyle() = default;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  [[nodiscard]] QRect subElementRect(SubElement element, const QStyleOption* option,
                                     const QWidget* widget) const override;
  [[nodiscard]] QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                                   const QWidget* widget) const override;
};

}  // namespace ui
