// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Configuration window: the game location and the three options.
// Changes of the check boxes live only in the window until "Close" stores
// them; whenever the window becomes active it shows the stored values again.
// Close stores only the boxes the player changed from what the window last
// put into them.
#pragma once

#include <QHash>
#include <QWidget>
#include <optional>

#include "settings/globalvars.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace ui {

class FrmConfig : public QWidget {
  Q_OBJECT

 public:
  FrmConfig(platform::Platform& platform, settings::GlobalVars& globals, QWidget* parent = nullptr);

  void Form_Activate();
  void cmdBrowse_Click();
  void close_Click();

 protected:
  bool event(QEvent* event) override;

 private:
  void setupLocation();
  void setupOptions();
  QCheckBox* addOption(QGroupBox* frame, const QString& checkName, const QString& labelName,
                       const QString& text);
  // Sets the box (nothing when there is no state) and remembers what was put.
  void put(QCheckBox* box, std::optional<Qt::CheckState> state);

  platform::Platform& platform_;
  settings::GlobalVars& globals_;
  QLineEdit* fileLocation_ = nullptr;
  QPushButton* cmdBrowse_ = nullptr;
  QCheckBox* checkEx_ = nullptr;
  QCheckBox* askCopychk_ = nullptr;
  QCheckBox* saveOnQuitchk_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QHash<const QCheckBox*, Qt::CheckState> putStates_;
};

// Shows the Configuration window ("C&onfig"), raising the one already open if
// there is one. The window belongs to owner but is a window of its own.
FrmConfig* showConfig(platform::Platform& platform, settings::GlobalVars& globals, QWidget* owner);

}  // namespace ui
