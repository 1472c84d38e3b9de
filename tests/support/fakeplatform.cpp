// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakeplatform.h"

#include <QWidget>

#include "platform/filereader.h"
#include "platform/filewriter.h"
#include "platform/keyinjection.h"

namespace testing_support {

QString FakePlatform::getSetting(const QString& section, const QString& key,
                                 const QString& defaultValue) {
  return settings.value(section + u'/' + key, defaultValue);
}

bool FakePlatform::saveSetting(const QString& section, const QString& key, const QString& value) {
  savedKeys << section + u'/' + key + u'=' + value;
  settings.insert(section + u'/' + key, value);
  savesWaiting = savesFail;
  return !savesFail;
}

std::optional<platform::UnwrittenSettings> FakePlatform::unwrittenSettings() const {
  if (!savesWaiting) {
    return std::nullopt;
  }
  return platform::UnwrittenSettings{QStringLiteral("/fake/Tintra/Tintra.ini"),
                                     QStringLiteral("Permission denied")};
}

int FakePlatform::messageBox(const QString& prompt, int style, const QString& title) {
  const Message message{prompt, style, title};
  messages << message;
  if (onMessage) {
    onMessage(message);
  }
  if (!scriptedAnswers.isEmpty()) {
    return scriptedAnswers.takeFirst();
  }
  const int buttons = style % 16;
  const bool hasYes =
      buttons == platform::style::kYesNo || buttons == platform::style::kYesNoCancel;
  return hasYes ? platform::answer::kYes : platform::answer::kOk;
}

void FakePlatform::sendKeys(const QString& keys) {
  sentKeys << keys;
  if (deliverKeys) {
    platform::injectKeys(keys);
  }
}

void FakePlatform::setClipboardText(const QString& text) {
  clipboardTexts << text;
}

void FakePlatform::launchProgram(const QString& program, const QStringList& arguments) {
  launches << Launch{program, arguments};
}

int FakePlatform::openDocument(const QString& url) {
  openedDocuments << url;
  return openResult;
}

void FakePlatform::setBusyPointer(bool isBusy) {
  pointerChanges << isBusy;
  busy = isBusy;
}

platform::WriteResult FakePlatform::writeFile(const QString& path, const QByteArray& bytes) {
  if (writeToDisk) {
    const platform::WriteResult result = platform::replaceFileAtomically(path, bytes);
    if (result.ok) {
      writtenFiles.insert(path, bytes);
    }
    return result;
  }
  if (writeResult.ok) {
    writtenFiles.insert(path, bytes);
  }
  return writeResult;
}

platform::ReadResult FakePlatform::readFile(const QString& path, qint64 maxBytes) {
  return platform::readSmallFile(path, maxBytes);
}

QString FakePlatform::chooseSaveFile(const QString& /*title*/, const QString& suggestedPath,
                                     const QString& /*nameFilter*/,
                                     const QString& /*defaultSuffix*/) {
  saveSuggestions << suggestedPath;
  return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

void FakePlatform::showWindow(QWidget* window) {
  shownWindows << window;
  window->show();
  window->raise();
  window->activateWindow();
}

void FakePlatform::unloadWindow(QWidget* window) {
  unloadedWindows << window;
  window->close();
  window->deleteLater();
}

}  // namespace testing_support
