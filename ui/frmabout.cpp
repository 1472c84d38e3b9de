// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmabout.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "ui/accessiblenames.h"
#include "ui/fonts.h"
#include "ui/readmeviewer.h"
#include "ui/twips.h"

// The photograph lives in a static library: its resource must be registered
// by hand, and outside any namespace.
static void registerAboutResources() {
  Q_INIT_RESOURCE(about);
}

namespace ui {
namespace {

const QString kCreditLine = QStringLiteral("Programmed by Tallowick 2002");
const QString kContactAddress = QStringLiteral("tallowick@example.org");
const QString kDedication = QStringLiteral("For Maren, who first saw the colours");

}  // namespace

QString aboutVersionLine(const platform::Version& version) {
  return QStringLiteral("Veldmark Name Colorizer V%1.%2%3")
      .arg(version.major)
      .arg(version.minor)
      .arg(version.revision);
}

FrmAbout::FrmAbout(platform::Platform& platform, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      platform_(platform) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(twipsToPixels(7590), twipsToPixels(3225));
  setupLabels();
  setupButtons();
  setupPicture();
  setTabOrder(command1_, command2_);
  applyAccessibleNames(*this, aboutWindowAccessibleNames());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  Form_Load();
}

QLabel* FrmAbout::addLabel(const QString& name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

void FrmAbout::setupLabels() {
  label1_ = addLabel(QStringLiteral("Label1"), {}, twipsRect(3480, 120, 4095, 495));
  label1_->setFont(msSansSerifFont(9.75, true));
  addLabel(QStringLiteral("Label2"), kCreditLine, twipsRect(3480, 720, 4095, 255))
      ->setFont(msSansSerifFont(9.75));
  // Label3 and Label5 have the window's default font, MS Sans Serif 8.25 pt.
  addLabel(QStringLiteral("Label3"),
           QStringLiteral("If you have suggestions or comments then e-mail :"),
           twipsRect(3480, 1200, 4095, 255))
      ->setFont(msSansSerifFont(8.25));
  addLabel(QStringLiteral("Label4"), kContactAddress, twipsRect(3480, 1560, 4095, 255))
      ->setFont(msSansSerifFont(9.75));
  addLabel(QStringLiteral("Label5"), kDedication, twipsRect(120, 2880, 3255, 255))
      ->setFont(msSansSerifFont(8.25));
}

void FrmAbout::setupButtons() {
  command1_ = new QPushButton(QStringLiteral("Close"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(twipsRect(3480, 2760, 3975, 375));
  command1_->setFont(verdanaFont(8.25));
  connect(command1_, &QPushButton::clicked, this, &FrmAbout::Command1_Click);

  command2_ = new QPushButton(QStringLiteral("View Readme"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setGeometry(twipsRect(3480, 2040, 3975, 615));
  command2_->setFont(verdanaFont(8.25));
  connect(command2_, &QPushButton::clicked, this, &FrmAbout::Command2_Click);
}

// The photograph is drawn unscaled at the top left of its slightly larger box.
void FrmAbout::setupPicture() {
  registerAboutResources();
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setGeometry(twipsRect(120, 120, 3255, 2655));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(QPixmap(QStringLiteral(":/tintra/about.jpg")));
}

void FrmAbout::Form_Load() {
  label1_->setText(aboutVersionLine(platform_.version()));
}

void FrmAbout::Command1_Click() {
  platform_.unloadWindow(this);
}

void FrmAbout::Command2_Click() {
  startReadmeViewer(platform_);
}

void FrmAbout::closeEvent(QCloseEvent* event) {
  emit closing();
  QWidget::closeEvent(event);
}

}  // namespace ui
