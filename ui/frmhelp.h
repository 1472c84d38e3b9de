// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "platform/platform.h"

class QPushButton;
class QTextBrowser;
class QWindow;

namespace ui {

// The Help window: shows "help.txt" and re-reads it every time the window
// becomes the program's active window, coming from another window of this
// program. Coming back from another program does not re-read it.
class FrmHelp : public QWidget {
  Q_OBJECT

 public:
  explicit FrmHelp(platform::Platform& platform, QWidget* parent = nullptr);

  // How many times the help file was read into the viewer.
  [[nodiscard]] int loadCount() const { return loadCount_; }

 signals:
  // The window is closing, by "Close Help" or its frame.
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void setupViewer();
  void setupButtons();
  void focusWindowChanged(QWindow* now);
  void Form_Activate();
  void Command1_Click();
  void Command2_Click();

  platform::Platform& platform_;
  QTextBrowser* richTextBox1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  bool loadedOnce_ = false;
  bool ownWindowHadFocus_ = false;  // the program had an active window before this one
  int loadCount_ = 0;
};

}  // namespace ui
