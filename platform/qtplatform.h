// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/platform.h"
#include "platform/settingsstore.h"

namespace platform {

// The services on Qt: the settings file, QMessageBox, the clipboard, QProcess,
// QDesktopServices, the override cursor, QSaveFile and QFileDialog.
class QtPlatform : public Platform {
 public:
  // With the user's settings file (see settingslocation.h), carried over
  // from the installed program's first when this copy is portable and has none.
  QtPlatform();
  explicit QtPlatform(SettingsStore store) : store_(std::move(store)) {}

  QString getSetting(const QString& section, const QString& key,
                     const QString& defaultValue) override;
  bool saveSetting(const QString& section, const QString& key, const QString& value) override;
  [[nodiscard]] std::optional<UnwrittenSettings> unwrittenSettings() const override;
  [[nodiscard]] QString settingsCarriedOverFrom() const override { return carriedOverFrom_; }
  int messageBox(const QString& prompt, int style, const QString& title) override;
  void sendKeys(const QString& keys) override;
  void setClipboardText(const QString& text) override;
  void setClipboardImage(const QImage& image) override;
  void launchProgram(const QString& program, const QStringList& arguments) override;
  int openDocument(const QString& url) override;
  [[nodiscard]] int lastPlatformError() const override { return lastError_; }
  void setBusyPointer(bool busy) override;
  WriteResult writeFile(const QString& path, const QByteArray& bytes) override;
  ReadResult readFile(const QString& path, qint64 maxBytes) override;
  QString chooseSaveFile(const QString& title, const QString& suggestedPath,
                         const QString& nameFilter, const QString& defaultSuffix) override;
  [[nodiscard]] QString picturesFolder() const override;
  [[nodiscard]] bool windowsFileNames() const override;
  [[nodiscard]] QStringList windowsDrives() const override;
  [[nodiscard]] QString userSettingsFolder() const override;
  [[nodiscard]] QString programFolder() const override;
  [[nodiscard]] QString steamPath() const override;
  [[nodiscard]] Version version() const override;
  void showWindow(QWidget* window) override;
  void unloadWindow(QWidget* window) override;
  // Closes every window at once. The event loop ends too, unless the name
  // put on the clipboard would be lost with it (see clipboardkeeper.h).
  void endProgram() override;

 private:
  // What openDocument returns on success: above 32, as the callers expect.
  static constexpr int kOpenedResult = 33;
  // How long openDocument waits for the desktop's opener to finish.
  static constexpr int kLauncherWaitMs = 3000;

  int openWithLauncher(const QString& opener, const QString& url);

  QString carriedOverFrom_;  // before the store, which reads what it copied
  SettingsStore store_;
  int lastError_ = 0;
  bool busy_ = false;
  bool clipboardSet_ = false;
};

}  // namespace platform
