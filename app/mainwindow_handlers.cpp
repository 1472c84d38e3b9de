// Handlers of the settings, slots, name.cfg, help and link commands.
#include "app/mainwindow.h"

namespace app {

void MainWindow::config_Click() {}

void MainWindow::saveslot1_Click() {}

void MainWindow::saveslot2_Click() {}

void MainWindow::saveslot3_Click() {}

void MainWindow::resSlot1_Click() {}

void MainWindow::resSlot2_Click() {}

void MainWindow::resSlot3_Click() {}

void MainWindow::mkname_Click() {}

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

void MainWindow::close_Click() {}

}  // namespace app
