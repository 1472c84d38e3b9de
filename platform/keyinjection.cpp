#include "platform/keyinjection.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace platform {
namespace {

int keyCodeFor(QChar character) {
  if (character == u'^') {
    return Qt::Key_AsciiCircum;
  }
  if (character.isLetter()) {
    return static_cast<int>(character.toUpper().unicode());
  }
  return static_cast<int>(character.unicode());
}

void typeCharacter(QChar character) {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) {
    return;
  }
  const QString text(character);
  QKeyEvent press(QEvent::KeyPress, keyCodeFor(character), Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, keyCodeFor(character), Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
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
  QTimer::singleShot(0, qApp, [text] {
    for (const QChar character : text) {
      typeCharacter(character);
    }
  });
}

}  // namespace platform
