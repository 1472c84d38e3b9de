// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/keyinjection.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace platform {
namespace {

int keyCodeFor(char32_t codePoint) {
  if (codePoint == U'^') {
    return Qt::Key_AsciiCircum;
  }
  // Letters are keyed by their capital, as the keyboard would send them.
  const char32_t upper = QChar::toUpper(codePoint);
  return static_cast<int>(QChar::isLetter(codePoint) ? upper : codePoint);
}

// One key press and release whose text is the whole character: a character
// outside the BMP travels as its surrogate pair in one event, since a widget
// ignores a lone surrogate.
void typeCharacter(const QString& character, char32_t codePoint) {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) {
    return;
  }
  QKeyEvent press(QEvent::KeyPress, keyCodeFor(codePoint), Qt::NoModifier, character);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, keyCodeFor(codePoint), Qt::NoModifier, character);
  QApplication::sendEvent(target, &release);
}

void typeText(const QString& text) {
  for (qsizetype index = 0; index < text.size();) {
    const bool pair = text.at(index).isHighSurrogate() && index + 1 < text.size() &&
                      text.at(index + 1).isLowSurrogate();
    const QString character = text.mid(index, pair ? 2 : 1);
    typeCharacter(character, character.toUcs4().value(0));
    index += character.size();
  }
}

}  // namespace

QString keyStringToText(const QString& keys) {
  QString text = keys;
  text.replace(QStringLiteral("{^}"), QStringLiteral("^"));
  return text;
}

void injectKeys(const QString& keys) {
  const QString text = keyStringToText(keys);
  // Queued, so the keys arrive after the handler that sent them has returned.
  QTimer::singleShot(0, qApp, [text] { typeText(text); });
}

}  // namespace platform
