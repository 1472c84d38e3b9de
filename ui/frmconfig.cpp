// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmconfig.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "platform/platform.h"
#include "settings/settingstable.h"
#include "ui/accessiblenames.h"
#include "ui/fonts.h"
#include "ui/frmbrowse.h"
#include "ui/openwindow.h"

namespace ui {
namespace {

// The state a box starts in: as the program reads the stored value, so that a
// value neither "0" nor "1" (left alone on activation) is shown as it acts.
Qt::CheckState initialState(bool on) {
  return on ? Qt::Checked : Qt::Unchecked;
}

// Activation sets a box only for the values 0 and 1 and leaves it otherwise.
std::optional<Qt::CheckState> refreshed(int value) {
  if (value == 0) {
    return Qt::Unchecked;
  }
  if (value == 1) {
    return Qt::Checked;
  }
  return std::nullopt;
}

}  // namespace

FrmConfig::FrmConfig(platform::Platform& platform, settings::GlobalVars& globals, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), globals_(globals) {
  setObjectName(QStringLiteral("frmConfig"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Veldmark Name Colorizer Configuration"));
  new QVBoxLayout(this);
  setupLocation();
  setupOptions();
  closeButton_ = new QPushButton(QStringLiteral("Close"), this);
  closeButton_->setObjectName(QStringLiteral("close"));
  closeButton_->setFont(verdanaFont(8.25));
  layout()->addWidget(closeButton_);
  connect(closeButton_, &QPushButton::clicked, this, &FrmConfig::close_Click);
  applyAccessibleNames(*this, configWindowAccessibleNames());

  const int displayExample = settings::settingToInt(globals_.displayExample, 1);
  put(checkEx_, initialState(displayExample != 0));
  put(askCopychk_, initialState(globals_.copyOnClose != 0));
  put(saveOnQuitchk_, initialState(globals_.saveOnQuit != 0));
  fileLocation_->setText(globals_.gameLocation);
}

void FrmConfig::setupLocation() {
  auto* frame2 = new QGroupBox(QStringLiteral(" Location of Veldmark  "), this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  auto* row = new QHBoxLayout(frame2);
  fileLocation_ = new QLineEdit(frame2);
  fileLocation_->setObjectName(QStringLiteral("fileLocation"));
  fileLocation_->setFont(courierNewFont(8.25));
  cmdBrowse_ = new QPushButton(QStringLiteral(".."), frame2);
  cmdBrowse_->setObjectName(QStringLiteral("cmdBrowse"));
  cmdBrowse_->setFixedWidth(cmdBrowse_->sizeHint().height());
  row->addWidget(fileLocation_);
  row->addWidget(cmdBrowse_);
  layout()->addWidget(frame2);
  connect(cmdBrowse_, &QPushButton::clicked, this, &FrmConfig::cmdBrowse_Click);
}

void FrmConfig::setupOptions() {
  auto* frame1 = new QGroupBox(QStringLiteral(" Options  "), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  new QVBoxLayout(frame1);
  checkEx_ = addOption(frame1, QStringLiteral("CheckEx"), QStringLiteral("Label1"),
                       QStringLiteral("Display example name at start-up."));
  askCopychk_ = addOption(frame1, QStringLiteral("askCopychk"), QStringLiteral("Label2"),
                          QStringLiteral("On quit ask about copy to clipboard."));
  saveOnQuitchk_ = addOption(frame1, QStringLiteral("saveOnQuitchk"), QStringLiteral("Label3"),
                             QStringLiteral("Save content on quit and restore on load."));
  layout()->addWidget(frame1);
}

QCheckBox* FrmConfig::addOption(QGroupBox* frame, const QString& checkName,
                                const QString& labelName, const QString& text) {
  auto* row = new QHBoxLayout;
  auto* box = new QCheckBox(frame);
  box->setObjectName(checkName);
  auto* label = new QLabel(text, frame);
  label->setObjectName(labelName);
  label->setFont(verdanaFont(8.25));
  row->addWidget(box);
  row->addWidget(label, 1);
  qobject_cast<QVBoxLayout*>(frame->layout())->addLayout(row);
  return box;
}

bool FrmConfig::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    Form_Activate();
  }
  return QWidget::event(event);
}

void FrmConfig::Form_Activate() {
  fileLocation_->setText(globals_.gameLocation);
  if (globals_.displayExample == QStringLiteral("0")) {
    put(checkEx_, Qt::Unchecked);
  } else if (globals_.displayExample == QStringLiteral("1")) {
    put(checkEx_, Qt::Checked);
  }
  put(askCopychk_, refreshed(globals_.copyOnClose));
  put(saveOnQuitchk_, refreshed(globals_.saveOnQuit));
}

void FrmConfig::put(QCheckBox* box, std::optional<Qt::CheckState> state) {
  if (state) {
    box->setCheckState(*state);
    putStates_.insert(box, *state);
  }
}

void FrmConfig::cmdBrowse_Click() {
  showBrowse(platform_, globals_, parentWidget());
}

// Only the options the player changed: another copy of the program may have
// saved the others since the window showed them.
void FrmConfig::close_Click() {
  const std::pair<QCheckBox*, const settings::Entry*> options[] = {
      {checkEx_, &settings::kDisplayExample},
      {askCopychk_, &settings::kCopyOnClose},
      {saveOnQuitchk_, &settings::kSaveOnQuit}};
  for (const auto& [box, entry] : options) {
    if (box->checkState() != putStates_.value(box)) {
      settings::saveSetting(platform_, globals_, entry->section, entry->key,
                            settings::optionText(box->checkState() != Qt::Unchecked));
    }
  }
  settings::loadSettings(platform_, globals_);
  platform_.unloadWindow(this);
}

FrmConfig* showConfig(platform::Platform& platform, settings::GlobalVars& globals, QWidget* owner) {
  auto* window = findOpenWindow<FrmConfig>(QStringLiteral("frmConfig"));
  if (window == nullptr) {
    window = new FrmConfig(platform, globals, owner);
  }
  platform.showWindow(window);
  return window;
}

}  // namespace ui
