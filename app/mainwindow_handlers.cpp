// Handlers of the settings, slots, name.cfg, help and link commands.
#include <QLineEdit>

#include "app/mainwindow.h"
#include "links/inetconnection.h"
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

void MainWindow::config_Click() {}

void MainWindow::saveslot1_Click() {}

void MainWindow::saveslot2_Click() {}

void MainWindow::saveslot3_Click() {}

void MainWindow::resSlot1_Click() {}

void MainWindow::resSlot2_Click() {}

void MainWindow::resSlot3_Click() {}

void MainWindow::mkname_Click() {}

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

void MainWindow::close_Click() {}

}  // namespace app
