// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmbrowse.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "game/folderlisting.h"
#include "platform/platform.h"
#include "settings/settingstable.h"
#include "ui/accessiblenames.h"
#include "ui/comboboxaccessible.h"
#include "ui/fonts.h"
#include "ui/openwindow.h"

namespace ui {
namespace {

constexpr int kPathRole = Qt::UserRole;
const QString kTitle = QStringLiteral("Browse for Veldmark");

QString folderLabel(const QString& path) {
  const QString name = QDir(path).dirName();
  return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

// Each level of the folder list is indented by two spaces.
QString indentFor(qsizetype depth) {
  return {depth * 2, u' '};
}

}  // namespace

FrmBrowse::FrmBrowse(platform::Platform& platform, settings::GlobalVars& globals,
                     const QList<game::Drive>& drives, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), globals_(globals) {
  setObjectName(QStringLiteral("frmBrowse"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(kTitle);
  installComboBoxAccessible();
  setupLists();
  setupButtons();
  applyAccessibleNames(*this, browseWindowAccessibleNames());
  fillDrives(drives);
  const QString current = game::folderPath(QDir::currentPath());
  if (game::unreadableReason(current) || game::driveOf(current, driveFolders_).isEmpty()) {
    folder_ = driveFolders_.value(0, QDir::rootPath());
  } else {
    folder_ = current;
  }
  fillFolderList();
}

void FrmBrowse::setupLists() {
  auto* layout = new QVBoxLayout(this);
  drive1_ = new QComboBox(this);
  drive1_->setObjectName(QStringLiteral("Drive1"));
  dir1_ = new QListWidget(this);
  dir1_->setObjectName(QStringLiteral("Dir1"));
  file1_ = new QListWidget(this);
  file1_->setObjectName(QStringLiteral("File1"));
  for (QWidget* widget : {static_cast<QWidget*>(drive1_), static_cast<QWidget*>(dir1_),
                          static_cast<QWidget*>(file1_)}) {
    widget->setFont(verdanaFont(8.25));
    layout->addWidget(widget);
  }
  connect(drive1_, &QComboBox::activated, this, [this] { Drive1_Change(); });
  connect(dir1_, &QListWidget::itemActivated, this, &FrmBrowse::Dir1_Activated);
}

void FrmBrowse::setupButtons() {
  auto* row = new QHBoxLayout;
  command1_ = new QPushButton(QStringLiteral("Set Location"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  closeButton_ = new QPushButton(QStringLiteral("Close"), this);
  closeButton_->setObjectName(QStringLiteral("close"));
  for (QPushButton* button : {command1_, closeButton_}) {
    button->setFont(verdanaFont(8.25));
    row->addWidget(button);
  }
  qobject_cast<QVBoxLayout*>(layout())->addLayout(row);
  connect(command1_, &QPushButton::clicked, this, &FrmBrowse::Command1_Click);
  connect(closeButton_, &QPushButton::clicked, this, &FrmBrowse::close_Click);
}

void FrmBrowse::fillDrives(const QList<game::Drive>& drives) {
  for (const game::Drive& drive : drives) {
    drive1_->addItem(drive.label, drive.folder);
    driveFolders_ << drive.folder;
  }
}

bool FrmBrowse::openFolder(const QString& path) {
  const QString folder = game::folderPath(path);
  if (const std::optional<QString> reason = game::unreadableReason(folder)) {
    tellUnreadable(folder, *reason);
    return false;
  }
  folder_ = folder;
  fillFolderList();
  return true;
}

void FrmBrowse::fillFolderList() {
  const QSignalBlocker blocker(drive1_);
  drive1_->setCurrentIndex(drive1_->findData(game::driveOf(folder_, driveFolders_)));
  dir1_->clear();
  const QStringList chain = game::folderChain(folder_);
  for (qsizetype depth = 0; depth < chain.size(); ++depth) {
    auto* item = new QListWidgetItem(indentFor(depth) + folderLabel(chain.at(depth)));
    item->setData(kPathRole, chain.at(depth));
    dir1_->addItem(item);
  }
  dir1_->setCurrentRow(static_cast<int>(chain.size()) - 1);
  const QString indent = indentFor(chain.size());
  const QDir dir(folder_);
  for (const QString& name : game::subfolders(folder_)) {
    auto* item = new QListWidgetItem(indent + name);
    item->setData(kPathRole, dir.filePath(name));
    dir1_->addItem(item);
  }
  Dir1_Change();
}

void FrmBrowse::Drive1_Change() {
  const QString drive = drive1_->currentData().toString();
  if (!openFolder(drive)) {
    const QSignalBlocker blocker(drive1_);
    drive1_->setCurrentIndex(drive1_->findData(game::driveOf(folder_, driveFolders_)));
  }
}

void FrmBrowse::Dir1_Activated(QListWidgetItem* item) {
  openFolder(item->data(kPathRole).toString());
}

void FrmBrowse::Dir1_Change() {
  file1_->clear();
  file1_->addItems(game::gameExecutables(folder_));
}

void FrmBrowse::Command1_Click() {
  const QListWidgetItem* selected = file1_->currentItem();
  const bool hasSelection = selected != nullptr && selected->isSelected();
  const QString name = hasSelection ? selected->text().toUpper() : QString();
  if (name != game::kGameExecutable) {
    platform_.messageBox(kSetLocationMessage, platform::style::kInformationIcon,
                         QStringLiteral("Set Location"));
    return;
  }
  settings::saveSetting(platform_, globals_, settings::kVeldmarkLocation.section,
                        settings::kVeldmarkLocation.key,
                        settings::trimSpaces(QDir::toNativeSeparators(folder_)));
  settings::loadSettings(platform_, globals_);
  platform_.unloadWindow(this);
}

void FrmBrowse::close_Click() {
  platform_.unloadWindow(this);
}

void FrmBrowse::tellUnreadable(const QString& path, const QString& reason) {
  platform_.messageBox(QStringLiteral("The folder %1 cannot be read: %2.")
                           .arg(QDir::toNativeSeparators(path), reason),
                       platform::style::kInformationIcon, kTitle);
}

FrmBrowse* showBrowse(platform::Platform& platform, settings::GlobalVars& globals, QWidget* owner) {
  auto* window = findOpenWindow<FrmBrowse>(QStringLiteral("frmBrowse"));
  if (window == nullptr) {
    // Looked for each time the window opens, not at start-up: prefixes come
    // and go while the program runs.
    window = new FrmBrowse(platform, globals, game::browseDrives(platform), owner);
  }
  platform.showWindow(window);
  return window;
}

}  // namespace ui
