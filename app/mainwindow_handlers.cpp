// Handlers of the settings, slots, name.cfg, help and link commands.
#include "app/mainwindow.h"
#include "game/namecfg.h"
#include "settings/quit.h"
#include "settings/slots.h"
#include "ui/frmconfig.h"

namespace app {

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

void MainWindow::Command1_Click() {}

void MainWindow::helpInfo_Click() {
  Command1_Click();
}

void MainWindow::About_Click() {}

void MainWindow::Command2_Click() {}

void MainWindow::webSite_Click() {}

void MainWindow::Command5_Click() {
  update_Click();
}

void MainWindow::update_Click() {}

void MainWindow::close_Click() {
  settings::closeClicked(platform_, globals_, name());
}

}  // namespace app
