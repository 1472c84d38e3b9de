// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the main window, at their places in twips.
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <limits>

#include "app/colorlegend.h"
#include "app/mainwindow.h"
#include "app/namepicture.h"
#include "app/previewpanel.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace app {

using ui::twipsRect;
using ui::twipsToPixels;

namespace {

constexpr qreal kSmallVerdana = 6.75;
constexpr qreal kVerdana = 8.25;
constexpr qreal kCourierNew = 11.25;

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption,
                     const QRect& place) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  frame->setGeometry(place);
  return frame;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& place) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}

// An editable colour list that keeps exactly the text typed into it: no
// completion, no new items on Enter, and a typed "red" is never matched to
// the listed "Red" when the focus leaves.
QComboBox* makeColorList(QWidget* parent, const QString& name, const QString& text,
                         const QRect& place) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  auto* exactMatch = new QCompleter(list);
  exactMatch->setObjectName(name + QStringLiteral("Completer"));
  exactMatch->setCaseSensitivity(Qt::CaseSensitive);
  list->setCompleter(exactMatch);
  list->setEditText(text);
  list->setGeometry(place);
  list->setFont(ui::verdanaFont(kSmallVerdana));
  return list;
}

}  // namespace

void MainWindow::setupClientArea() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(twipsToPixels(7230), twipsToPixels(4335));
  setCentralWidget(client);

  auto* rule = new QFrame(client);
  rule->setObjectName(QStringLiteral("Line1"));
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(0, 0, twipsToPixels(7200), 2);

  legend_ = new ColorLegend(client);
  legend_->setGeometry(twipsRect(120, 120, 4935, 1095));
  connect(legend_, &ColorLegend::codeClicked, this, [this](int code) { codeClick_Click(code); });

  setupCodeFrame(client);
  setupTweaksFrame(client);
  setupOutputFrame(client);
  setupBottomRow(client);
  setTabOrder(pureCode_, closeButton_);
}

void MainWindow::setupCodeFrame(QWidget* client) {
  QGroupBox* frame = makeFrame(client, QStringLiteral("Frame2"), QStringLiteral(" Code "),
                               twipsRect(120, 1320, 4935, 735));
  pureCode_ = new NameBox(QStringLiteral("^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!"), frame);
  pureCode_->setObjectName(QStringLiteral("pureCode"));
  pureCode_->setMaxLength(std::numeric_limits<int>::max());
  pureCode_->setGeometry(twipsRect(120, 240, 4215, 375));
  pureCode_->setFont(ui::courierNewFont(kCourierNew));
  clsButton_ = makeButton(frame, QStringLiteral("cls"), QStringLiteral("cls"),
                          twipsRect(4440, 240, 375, 375));
  connect(clsButton_, &QPushButton::clicked, this, [this] { cls_Click(); });
}

void MainWindow::setupTweaksFrame(QWidget* client) {
  QGroupBox* frame = makeFrame(client, QStringLiteral("Frame5"), QStringLiteral(" Tweaks "),
                               twipsRect(5160, 120, 1935, 1935));
  const QFont small = ui::verdanaFont(kSmallVerdana);
  QPushButton* cycle = makeButton(frame, QStringLiteral("cycleColors"),
                                  QStringLiteral("Cycle Colors"), twipsRect(120, 240, 1695, 375));
  QPushButton* strip =
      makeButton(frame, QStringLiteral("stripCodes"), QStringLiteral("Strip Color Codes"),
                 twipsRect(120, 720, 1695, 375));
  fromCol_ = makeColorList(frame, QStringLiteral("fromCol"), QStringLiteral("Red"),
                           twipsRect(120, 1200, 855, 300));
  toCol_ = makeColorList(frame, QStringLiteral("toCol"), QStringLiteral("Green"),
                         twipsRect(975, 1200, 855, 300));
  QPushButton* swap = makeButton(frame, QStringLiteral("butSwapColors"),
                                 QStringLiteral("Swap Colors"), twipsRect(120, 1560, 1695, 255));
  for (QPushButton* button : {cycle, strip, swap}) {
    button->setFont(small);
  }
  connect(cycle, &QPushButton::clicked, this, [this] { cycleColors_Click(); });
  connect(strip, &QPushButton::clicked, this, [this] { stripCodes_Click(); });
  connect(swap, &QPushButton::clicked, this, [this] { butSwapColors_Click(); });
}

void MainWindow::setupOutputFrame(QWidget* client) {
  QGroupBox* frame = makeFrame(client, QStringLiteral("Frame3"), QStringLiteral(" Output "),
                               twipsRect(120, 2160, 6975, 1575));
  preview_ = new PreviewPanel(frame);
  preview_->setGeometry(twipsRect(120, 240, 6735, 855));
  preview_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(preview_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { showPreviewMenu(at); });
  QPushButton* light = makeButton(frame, QStringLiteral("Command3"), QStringLiteral("Light Grey"),
                                  twipsRect(4560, 1200, 1095, 255));
  QPushButton* dark = makeButton(frame, QStringLiteral("Command4"), QStringLiteral("Dark Grey"),
                                 twipsRect(5760, 1200, 1095, 255));
  for (QPushButton* button : {light, dark}) {
    button->setFont(ui::verdanaFont(kSmallVerdana));
  }
  connect(light, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(dark, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void MainWindow::showPreviewMenu(QPoint at) {
  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("previewMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  addPictureItems(
      *menu, this, [this] { copyPicture_Click(); }, [this] { savePicture_Click(); });
  menu->popup(preview_->mapToGlobal(at));
}

void MainWindow::setupBottomRow(QWidget* client) {
  QPushButton* help = makeButton(client, QStringLiteral("Command1"), QStringLiteral("Help"),
                                 twipsRect(120, 3840, 2775, 375));
  QPushButton* site = makeButton(client, QStringLiteral("Command2"), QStringLiteral("WebSite"),
                                 twipsRect(3000, 3840, 1215, 375));
  QPushButton* update =
      makeButton(client, QStringLiteral("Command5"), QStringLiteral("Check Update"),
                 twipsRect(4320, 3840, 1455, 375));
  closeButton_ = makeButton(client, QStringLiteral("close"), QStringLiteral("Close"),
                            twipsRect(5880, 3840, 1215, 375));
  for (QPushButton* button : {help, site, update, closeButton_}) {
    button->setFont(ui::verdanaFont(kVerdana));
  }
  connect(help, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(site, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(update, &QPushButton::clicked, this, [this] { Command5_Click(); });
  connect(closeButton_, &QPushButton::clicked, this, [this] { close_Click(); });
}

}  // namespace app
