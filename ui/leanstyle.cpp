// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/leanstyle.h"

#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace ui {
namespace {

// An icon of the base style, asked for only when it is first drawn.
class DeferredIconEngine : public QIconEngine {
 public:
  DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap icon)
      : style_(const_cast<QStyle*>(style)), icon_(icon) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    real().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return real().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return real().actualSize(size, mode, state);
  }
  [[nodiscard]] QIconEngine* clone() const override {
    return new DeferredIconEngine(style_, icon_);
  }

 private:
  const QIcon& real() {
    if (loaded_.isNull() && style_ != nullptr) {
      loaded_ = style_->standardIcon(icon_);
    }
    return loaded_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap icon_;
  QIcon loaded_;
};

// The style's room for a button's caption, stretched to the inside of the
// button's frame.
QRect captionRect(const QStyle& style, QRect contents, const QRect& button,
                  const QStyleOption* option, const QWidget* widget) {
  const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, option, widget);
  contents.setTop(qMin(contents.top(), button.top() + frame));
  contents.setBottom(qMax(contents.bottom(), button.bottom() - frame));
  return contents;
}

}  // namespace

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  // An etched rectangle, a dark line with a light one beside it, below the
  // caption as the desktop style draws it.
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  const bool captioned = box == nullptr || box->isCheckable() || !box->title().isEmpty();
  const int captionHeight =
      captioned ? qMax(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                       option->fontMetrics.height())
                : 0;
  constexpr int kCaptionGap = 3;
  const QRect frame = option->rect.adjusted(0, captionHeight + kCaptionGap, -2, -2);
  painter->save();
  painter->setPen(option->palette.color(QPalette::Mid));
  painter->drawRect(frame);
  painter->setPen(option->palette.color(QPalette::Light));
  painter->drawRect(frame.translated(1, 1));
  painter->restore();
}

// The base style draws a button's caption in its own room, which it does not
// ask this style for; the caption reaches this style on its own.
void LeanStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  if (element != CE_PushButtonLabel || button == nullptr || widget == nullptr) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  QStyleOptionButton caption = *button;
  caption.rect = captionRect(*proxy(), button->rect, widget->rect(), option, widget);
  QProxyStyle::drawControl(element, &caption, painter, widget);
}

QRect LeanStyle::subElementRect(SubElement element, const QStyleOption* option,
                                const QWidget* widget) const {
  const QRect rect = QProxyStyle::subElementRect(element, option, widget);
  return element == SE_PushButtonContents
             ? captionRect(*proxy(), rect, option->rect, option, widget)
             : rect;
}

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
    return QIcon(new DeferredIconEngine(baseStyle(), icon));
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace ui
