// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include "platform/platform.h"
#include "ui/frmabout.h"
#include "ui/frmhelp.h"

namespace ui {

// Owns the Help and About windows for the main window: each exists at most
// once, showing it again raises the same window, and a window that was
// closed is built afresh on the next show.
class HelpWindows : public QObject {
  Q_OBJECT

 public:
  // focusAfterHelp (the main window's name box) gets the keyboard focus back
  // when the Help window closes.
  explicit HelpWindows(platform::Platform& platform, QWidget* focusAfterHelp = nullptr,
                       QObject* parent = nullptr);
  ~HelpWindows() override;
  HelpWindows(const HelpWindows&) = delete;
  HelpWindows& operator=(const HelpWindows&) = delete;

  // "Help" and "Help..".
  void showHelp();
  // "A&bout..".
  void showAbout();

  [[nodiscard]] FrmHelp* helpWindow() const { return help_; }
  [[nodiscard]] FrmAbout* aboutWindow() const { return about_; }

 private:
  void returnFocus();

  platform::Platform& platform_;
  QPointer<QWidget> focusAfterHelp_;
  QPointer<FrmHelp> help_;
  QPointer<FrmAbout> about_;
};

}  // namespace ui
