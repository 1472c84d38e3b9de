// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QSysInfo>
#include <functional>

#include "platform/platform.h"

namespace testing_support {

// A platform that records every call and answers message boxes from a script.
class FakePlatform : public platform::Platform {
 public:
  struct Message {
    QString prompt;
    int style = 0;
    QString title;
  };
  struct Launch {
    QString program;
    QStringList arguments;
  };

  // Settings, keyed "Section/Key".
  QMap<QString, QString> settings;
  QStringList savedKeys;      // every save, in order, as "Section/Key=value"
  bool savesFail = false;     // saves report failure; the values are kept all the same
  bool savesWaiting = false;  // a failed save has not been followed by one that worked
  QString carriedOverFrom;    // what settingsCarriedOverFrom() says

  QList<Message> messages;
  // Answers for the next message boxes, in order; when empty, a box answers
  // with its first button (OK or Yes), as Enter would.
  QList<int> scriptedAnswers;
  // Called as each box is shown, before it is answered.
  std::function<void(const Message&)> onMessage;

  QStringList sentKeys;
  bool deliverKeys = false;  // also type them into the focused widget, as the real one does

  QStringList clipboardTexts;
  QList<QImage> clipboardImages;
  QList<Launch> launches;
  QStringList openedDocuments;
  int openResult = 42;
  int openError = 0;

  QList<bool> pointerChanges;  // true for busy, false for default
  bool busy = false;

  QMap<QString, QByteArray> writtenFiles;
  bool writeToDisk = false;  // also really write, through the atomic writer
  platform::WriteResult writeResult{true, {}};

  // Save dialogs: each asked for is noted as its suggested path and answered
  // with the next of saveAnswers, or cancelled when none is left.
  QStringList saveSuggestions;
  QStringList saveAnswers;
  QString pictures = QStringLiteral("/home/anna/Pictures");

  platform::Version programVersion{1, 2, 2};

  // What the system says of the machine. File names are those of the system
  // the tests run on, so that files really written are where the test
  // expects them; a test may give the other system's answers.
  bool windows = QSysInfo::productType() == QLatin1String("windows");
  QStringList drives;
  QString userFolder = QStringLiteral("/home/anna/.config");
  QString programDir;  // none: no installed help files
  QString steamFolder;

  QList<QWidget*> shownWindows;
  QList<QWidget*> unloadedWindows;
  int endCount = 0;

  QString getSetting(const QString& section, const QString& key,
                     const QString& defaultValue) override;
  bool saveSetting(const QString& section, const QString& key, const QString& value) override;
  [[nodiscard]] std::optional<platform::UnwrittenSettings> unwrittenSettings() const override;
  [[nodiscard]] QString settingsCarriedOverFrom() const override { return carriedOverFrom; }
  int messageBox(const QString& prompt, int style, const QString& title) override;
  void sendKeys(const QString& keys) override;
  void setClipboardText(const QString& text) override;
  void setClipboardImage(const QImage& image) override { clipboardImages << image; }
  void launchProgram(const QString& program, const QStringList& arguments) override;
  int openDocument(const QString& url) override;
  [[nodiscard]] int lastPlatformError() const override { return openError; }
  void setBusyPointer(bool isBusy) override;
  platform::WriteResult writeFile(const QString& path, const QByteArray& bytes) override;
  // Reads the real file.
  platform::ReadResult readFile(const QString& path, qint64 maxBytes) override;
  QString chooseSaveFile(const QString& title, const QString& suggestedPath,
                         const QString& nameFilter, const QString& defaultSuffix) override;
  [[nodiscard]] QString picturesFolder() const override { return pictures; }
  [[nodiscard]] bool windowsFileNames() const override { return windows; }
  [[nodiscard]] QStringList windowsDrives() const override { return drives; }
  [[nodiscard]] QString userSettingsFolder() const override { return userFolder; }
  [[nodiscard]] QString programFolder() const override { return programDir; }
  [[nodiscard]] QString steamPath() const override { return steamFolder; }
  [[nodiscard]] platform::Version version() const override { return programVersion; }
  void showWindow(QWidget* window) override;
  void unloadWindow(QWidget* window) override;
  void endProgram() override { ++endCount; }
};

}  // namespace testing_support
