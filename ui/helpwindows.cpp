// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/helpwindows.h"

namespace ui {

HelpWindows::HelpWindows(platform::Platform& platform, QWidget* focusAfterHelp, QObject* parent)
    : QObject(parent), platform_(platform), focusAfterHelp_(focusAfterHelp) {}

HelpWindows::~HelpWindows() {
  delete help_.data();
  delete about_.data();
}

void HelpWindows::showHelp() {
  if (help_.isNull()) {
    help_ = new FrmHelp(platform_);
    connect(help_, &FrmHelp::closing, this, &HelpWindows::returnFocus);
  }
  platform_.showWindow(help_);
}

void HelpWindows::showAbout() {
  if (about_.isNull()) {
    about_ = new FrmAbout(platform_);
    connect(about_, &FrmAbout::closing, this, [this] { about_ = nullptr; });
  }
  platform_.showWindow(about_);
}

// A closing window is already on its way out: the next show builds a fresh one.
void HelpWindows::returnFocus() {
  help_ = nullptr;
  if (focusAfterHelp_.isNull()) {
    return;
  }
  QWidget* window = focusAfterHelp_->window();
  window->activateWindow();
  window->raise();
  focusAfterHelp_->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace ui
