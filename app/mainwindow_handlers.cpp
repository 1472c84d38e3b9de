// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Handlers of the settings, slots, name.cfg, help and link commands.
#include <QLineEdit>

#include "app/mainwindow.h"
#include "app/namepicture.h"
#include "app/previewpanel.h"
#include "game/namecfg.h"
#include "game/namecfgreader.h"
#include "links/inetconnection.h"
#include "settings/quit.h"
#include "settings/slots.h"
#include "ui/frmconfig.h"
#include "ui/helpwindows.h"

namespace app {
namespace {

// The Help and About windows belong to the main window, made on first use.
ui::HelpWindows& helpWindowsOf(MainWindow& window) {
  auto* windows = window.findChild<ui::HelpWindows*>(QString(), Qt::FindDirectChildrenOnly);
  if (windows == nullptr) {
    windows = new ui::HelpWindows(window.platformServices(), window.pureCodeEdit(), &window);
  }
  return *windows;
}

}  // namespace

void MainWindow::config_Click() {
  ui::showConfig(platform_, globals_, this);
}

void MainWindow::saveslot1_Click() {
  settings::saveSlot(platform_, globals_, 1, name());
}

void MainWindow::saveslot2_Click() {
  settings::saveSlot(platform_, globals_, 2, name());
}

void MainWindow::saveslot3_Click() {
  settings::saveSlot(platform_, globals_, 3, name());
}

void MainWindow::resSlot1_Click() {
  setName(settings::restoreSlot(platform_, 1));
}

void MainWindow::resSlot2_Click() {
  setName(settings::restoreSlot(platform_, 2));
}

void MainWindow::resSlot3_Click() {
  setName(settings::restoreSlot(platform_, 3));
}

void MainWindow::mkname_Click() {
  game::makeNameCfg(platform_, globals_, name());
}

void MainWindow::copyPicture_Click() {
  platform_.setClipboardImage(preview_->picture());
}

void MainWindow::savePicture_Click() {
  if (std::optional<QString> folder =
          savePicture(platform_, preview_->picture(), name(), pictureFolder_)) {
    pictureFolder_ = std::move(*folder);
  }
}

void MainWindow::loadNameCfg_Click() {
  if (const std::optional<QString> loaded = game::loadNameCfg(platform_, globals_)) {
    setName(*loaded);
  }
}

void MainWindow::nameCfg_Drop(const QString& path) {
  if (const std::optional<QString> loaded = game::loadNameCfgFile(platform_, path)) {
    setName(*loaded);
  }
}

void MainWindow::Command1_Click() {
  helpWindowsOf(*this).showHelp();
}

void MainWindow::helpInfo_Click() {
  Command1_Click();
}

void MainWindow::About_Click() {
  helpWindowsOf(*this).showAbout();
}

void MainWindow::Command2_Click() {
  links::ExecuteLink(platform_, links::siteUrl());
}

void MainWindow::webSite_Click() {
  links::webSite(platform_);
}

void MainWindow::Command5_Click() {
  update_Click();
}

void MainWindow::update_Click() {
  links::updateCheck(platform_);
}

void MainWindow::close_Click() {
  settings::closeClicked(platform_, globals_, name());
}

}  // namespace app
