// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmhelp.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QWindow>

#include "ui/accessiblenames.h"
#include "ui/fonts.h"
#include "ui/helpdocument.h"
#include "ui/helptext.h"
#include "ui/readmeviewer.h"
#include "ui/twips.h"

namespace ui {

FrmHelp::FrmHelp(platform::Platform& platform, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      platform_(platform) {
  setObjectName(QStringLiteral("frmHelp"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Help"));
  setFixedSize(twipsToPixels(5790), twipsToPixels(4335));
  move(twipsToPixels(1035), twipsToPixels(1665));
  setupViewer();
  setupButtons();
  setTabOrder(command2_, command1_);
  setTabOrder(command1_, richTextBox1_);
  applyAccessibleNames(*this, helpWindowAccessibleNames());
  ownWindowHadFocus_ = QGuiApplication::focusWindow() != nullptr;
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &FrmHelp::focusWindowChanged);
}

void FrmHelp::setupViewer() {
  richTextBox1_ = new QTextBrowser(this);
  richTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
  richTextBox1_->setGeometry(twipsRect(120, 120, 5535, 3615));
  richTextBox1_->setFont(courierNewFont(8.25));
  richTextBox1_->setOpenLinks(false);
}

void FrmHelp::setupButtons() {
  command1_ = new QPushButton(QStringLiteral("Close Help"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(twipsRect(4200, 3840, 1455, 375));
  command1_->setFont(verdanaFont(8.25));
  connect(command1_, &QPushButton::clicked, this, &FrmHelp::Command1_Click);

  command2_ = new QPushButton(QStringLiteral("View Readme"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setGeometry(twipsRect(120, 3840, 3975, 375));
  command2_->setFont(verdanaFont(8.25));
  connect(command2_, &QPushButton::clicked, this, &FrmHelp::Command2_Click);
}

// The window system tells which window has the focus, and none while another
// program has it; so an activation that follows an active window of this
// program is a switch within the program.
void FrmHelp::focusWindowChanged(QWindow* now) {
  if (now != nullptr && now == windowHandle() && (!loadedOnce_ || ownWindowHadFocus_)) {
    Form_Activate();
  }
  ownWindowHadFocus_ = now != nullptr;
}

void FrmHelp::Form_Activate() {
  loadedOnce_ = true;
  ++loadCount_;
  showHelpText(*richTextBox1_->document(), readHelpText(findDataFile(kHelpFileName, platform_)),
               courierNewFont(8.25));
}

void FrmHelp::Command1_Click() {
  platform_.unloadWindow(this);
}

void FrmHelp::Command2_Click() {
  startReadmeViewer(platform_);
}

// A window manager may refuse the focus to a newly shown window: the text is
// there from the first show all the same.
void FrmHelp::showEvent(QShowEvent* event) {
  if (!loadedOnce_) {
    Form_Activate();
  }
  QWidget::showEvent(event);
}

void FrmHelp::closeEvent(QCloseEvent* event) {
  emit closing();
  QWidget::closeEvent(event);
}

}  // namespace ui
