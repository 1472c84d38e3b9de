// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's menu bar. An ampersand marks an item's Alt-key letter.
#include <QMenuBar>

#include "app/mainwindow.h"

namespace app {
namespace {

template <typename Handler>
QAction* addItem(QWidget* menu, const QString& name, const QString& caption, QObject* receiver,
                 Handler handler) {
  auto* item = new QAction(caption, menu);
  item->setObjectName(name);
  menu->addAction(item);
  QObject::connect(item, &QAction::triggered, receiver, handler);
  return item;
}

QMenu* addMenu(QWidget* parent, const QString& name, const QString& caption) {
  auto* menu = new QMenu(caption, parent);
  menu->setObjectName(name);
  parent->addAction(menu->menuAction());
  return menu;
}

}  // namespace

void MainWindow::setupMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  addItem(bar, QStringLiteral("config"), QStringLiteral("C&onfig"), this,
          [this] { config_Click(); });
  setupSavedMenu();
  setupExamplesMenu();
  addItem(bar, QStringLiteral("mkname"), QStringLiteral("Make name.cfg"), this,
          [this] { mkname_Click(); });
  setupHelpMenu();
}

void MainWindow::setupSavedMenu() {
  QMenu* saved = addMenu(menuBar(), QStringLiteral("saved"), QStringLiteral("S&aved"));
  QMenu* save = addMenu(saved, QStringLiteral("saveToSlot"), QStringLiteral("Save To Slot"));
  addItem(save, QStringLiteral("saveslot1"), QStringLiteral("Slot 1"), this,
          [this] { saveslot1_Click(); });
  addItem(save, QStringLiteral("saveslot2"), QStringLiteral("Slot 2"), this,
          [this] { saveslot2_Click(); });
  addItem(save, QStringLiteral("saveslot3"), QStringLiteral("Slot 3"), this,
          [this] { saveslot3_Click(); });
  QMenu* restore = addMenu(saved, QStringLiteral("restore"), QStringLiteral("Restore From Slot"));
  addItem(restore, QStringLiteral("resSlot1"), QStringLiteral("Slot 1"), this,
          [this] { resSlot1_Click(); });
  addItem(restore, QStringLiteral("resSlot2"), QStringLiteral("Slot 2"), this,
          [this] { resSlot2_Click(); });
  addItem(restore, QStringLiteral("resSlot3"), QStringLiteral("Slot 3"), this,
          [this] { resSlot3_Click(); });
}

void MainWindow::setupExamplesMenu() {
  QMenu* examples = addMenu(menuBar(), QStringLiteral("examples"), QStringLiteral("E&xamples"));
  addItem(examples, QStringLiteral("example1"), QStringLiteral("Example 1"), this,
          [this] { example1_Click(); });
  addItem(examples, QStringLiteral("example2"), QStringLiteral("Example 2"), this,
          [this] { example2_Click(); });
  addItem(examples, QStringLiteral("example3"), QStringLiteral("Example 3"), this,
          [this] { example3_Click(); });
}

void MainWindow::setupHelpMenu() {
  QMenu* help = addMenu(menuBar(), QStringLiteral("help"), QStringLiteral("Help"));
  addItem(help, QStringLiteral("helpInfo"), QStringLiteral("Help.."), this,
          [this] { helpInfo_Click(); });
  addItem(help, QStringLiteral("About"), QStringLiteral("A&bout.."), this,
          [this] { About_Click(); });
  addItem(help, QStringLiteral("webSite"), QStringLiteral("Tintra Web Site.."), this,
          [this] { webSite_Click(); });
  addItem(help, QStringLiteral("update"), QStringLiteral("Check for Update.."), this,
          [this] { update_Click(); });
}

}  // namespace app
