// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Browse for Veldmark": the user finds the game's executable, and the folder
// that holds it becomes the stored game location.
#pragma once

#include <QStringList>
#include <QWidget>

#include "game/gamedrives.h"
#include "settings/globalvars.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace ui {

inline const QString kSetLocationMessage =
    QStringLiteral("Please located the VELDMARKMP.EXE file. Then click SET LOCATION.");

class FrmBrowse : public QWidget {
  Q_OBJECT

 public:
  // drives: the places offered in the drive list; the lists start at the
  // process's current folder (or the first drive when it cannot be read).
  FrmBrowse(platform::Platform& platform, settings::GlobalVars& globals,
            const QList<game::Drive>& drives, QWidget* parent = nullptr);

  // The folder open in the folder list.
  [[nodiscard]] const QString& folder() const { return folder_; }
  // Opens a folder in the folder list; an unreadable one is reported and the
  // list stays where it was. Returns whether the folder was opened.
  bool openFolder(const QString& path);

  void Drive1_Change();
  void Dir1_Change();
  void Command1_Click();
  void close_Click();

 private:
  void setupLists();
  void setupButtons();
  void fillDrives(const QList<game::Drive>& drives);
  void fillFolderList();
  void Dir1_Activated(QListWidgetItem* item);
  void tellUnreadable(const QString& path, const QString& reason);

  platform::Platform& platform_;
  settings::GlobalVars& globals_;
  QStringList driveFolders_;  // the drive list's folders, in its order
  QString folder_;
  QComboBox* drive1_ = nullptr;
  QListWidget* dir1_ = nullptr;
  QListWidget* file1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* closeButton_ = nullptr;
};

// Shows the browse window, raising the one already open if there is one.
// The window belongs to owner (it closes with it) but is a window of its own.
FrmBrowse* showBrowse(platform::Platform& platform, settings::GlobalVars& globals, QWidget* owner);

}  // namespace ui
