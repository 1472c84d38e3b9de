// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A main window whose handlers record that they ran instead of acting, to
// check which handler each control and menu item runs.
#pragma once

#include <QStringList>

#include "app/mainwindow.h"

class RecordingWindow : public app::MainWindow {
 public:
  using app::MainWindow::MainWindow;

  QStringList calls;

  void pureCode_KeyDown(int keyCode, int shift) override {
    calls << QStringLiteral("pureCode_KeyDown(%1)").arg(keyCode);
    app::MainWindow::pureCode_KeyDown(keyCode, shift);
  }
  void codeClick_Click(int index) override {
    calls << QStringLiteral("codeClick_Click(%1)").arg(index);
  }
  void cls_Click() override { calls << QStringLiteral("cls_Click"); }
  void cycleColors_Click() override { calls << QStringLiteral("cycleColors_Click"); }
  void stripCodes_Click() override { calls << QStringLiteral("stripCodes_Click"); }
  void butSwapColors_Click() override { calls << QStringLiteral("butSwapColors_Click"); }
  void Command3_Click() override { calls << QStringLiteral("Command3_Click"); }
  void Command4_Click() override { calls << QStringLiteral("Command4_Click"); }
  void Command1_Click() override { calls << QStringLiteral("Command1_Click"); }
  void Command2_Click() override { calls << QStringLiteral("Command2_Click"); }
  void Command5_Click() override {
    calls << QStringLiteral("Command5_Click");
    app::MainWindow::Command5_Click();
  }
  void close_Click() override { calls << QStringLiteral("close_Click"); }
  void config_Click() override { calls << QStringLiteral("config_Click"); }
  void saveslot1_Click() override { calls << QStringLiteral("saveslot1_Click"); }
  void saveslot2_Click() override { calls << QStringLiteral("saveslot2_Click"); }
  void saveslot3_Click() override { calls << QStringLiteral("saveslot3_Click"); }
  void resSlot1_Click() override { calls << QStringLiteral("resSlot1_Click"); }
  void resSlot2_Click() override { calls << QStringLiteral("resSlot2_Click"); }
  void resSlot3_Click() override { calls << QStringLiteral("resSlot3_Click"); }
  void example1_Click() override { calls << QStringLiteral("example1_Click"); }
  void example2_Click() override { calls << QStringLiteral("example2_Click"); }
  void example3_Click() override { calls << QStringLiteral("example3_Click"); }
  void mkname_Click() override { calls << QStringLiteral("mkname_Click"); }
  void helpInfo_Click() override {
    calls << QStringLiteral("helpInfo_Click");
    app::MainWindow::helpInfo_Click();
  }
  void About_Click() override { calls << QStringLiteral("About_Click"); }
  void webSite_Click() override { calls << QStringLiteral("webSite_Click"); }
  void update_Click() override { calls << QStringLiteral("update_Click"); }
};
