// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <utility>

#include "app/codeentry.h"
#include "app/colorlegend.h"
#include "app/previewpanel.h"
#include "core/previewwords.h"
#include "settings/quit.h"
#include "settings/startup.h"
#include "ui/accessiblenames.h"
#include "ui/comboboxaccessible.h"
#include "ui/fonts.h"
#include "ui/previewcommands.h"

namespace app {

MainWindow::MainWindow(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
  setObjectName(QStringLiteral("main"));
  setFont(ui::msSansSerifFont(8.25));
  ui::installComboBoxAccessible();
  setupClientArea();
  setupMenus();
  ui::applyAccessibleNames(*this, ui::mainWindowAccessibleNames());
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  pureCode_->installEventFilter(this);
  fromCol_->lineEdit()->installEventFilter(this);
  toCol_->lineEdit()->installEventFilter(this);
  setAcceptDrops(true);
  connect(pureCode_, &QLineEdit::textChanged, this, [this] { pureCode_Change(); });
  connect(pureCode_, &NameBox::colorLettersChosen, this,
          [this](LetterPattern pattern) { colorLetters_Click(pattern); });
  connect(pureCode_, &NameBox::copyPictureChosen, this, [this] { copyPicture_Click(); });
  connect(pureCode_, &NameBox::savePictureChosen, this, [this] { savePicture_Click(); });
  connect(pureCode_, &NameBox::loadNameCfgChosen, this, [this] { loadNameCfg_Click(); });
  // Closing the windows through their frames ends the program without the
  // quit sequence, but a loss of settings is still told, once.
  connect(qApp, &QGuiApplication::lastWindowClosed, this,
          [this] { settings::lastWindowClosed(platform_, globals_); });
  Form_Load();
}

// Start-up, before the window is first shown.
void MainWindow::Form_Load() {
  const platform::Version version = platform_.version();
  setWindowTitle(QStringLiteral("Veldmark Name Colorizer V%1.%2%3")
                     .arg(version.major)
                     .arg(version.minor)
                     .arg(version.revision));
  for (int code = 1; code <= ColorLegend::kCodeCount; ++code) {
    legend_->setSquareColor(code, core::colorIndexToRgb(core::codeToColorIndex(code)));
  }
  fillColorLists();
  resetPreview();
  pureCode_Change();
  runSettingsStartup();
  // The name start-up leaves in the box is as far back as undo goes.
  pureCode_->startHistory();
}

// Start-up step 5, the last one before the window is first shown: load the
// settings, show the first-run notice once, then restore the name kept at the
// last quit, clear the example name or leave the sample name.
void MainWindow::runSettingsStartup() {
  if (const std::optional<QString> name = settings::runStartupSteps(platform_, globals_)) {
    pureCode_->setText(*name);
  }
}

void MainWindow::fillColorLists() {
  const QStringList names = core::colorNames();
  for (QComboBox* list : {fromCol_, toCol_}) {
    const QString text = list->currentText();
    list->addItems(names);
    list->setEditText(text);
  }
}

QString MainWindow::name() const {
  return pureCode_->text();
}

void MainWindow::setName(const QString& name) {
  pureCode_->assignName(name);
}

QString MainWindow::fromColText() const {
  return fromCol_->currentText();
}

QString MainWindow::toColText() const {
  return toCol_->currentText();
}

void MainWindow::resetPreview() {
  core::resetPreview(cells_);
  previewCutOff_ = false;
  showPreview();
}

void MainWindow::paintFromCell(int code, int firstCell) {
  core::paintFromCell(cells_, code, firstCell);
  showPreview();
}

void MainWindow::showPreview() {
  preview_->showCells(cells_);
  preview_->describe(core::previewWords(cells_, previewCutOff_));
}

void MainWindow::setPreviewShade(const core::Rgb& color) {
  const QColor shade(color.red, color.green, color.blue);
  preview_->setPanelBackground(shade);
  for (int cell = 0; cell < core::kPreviewCellCount; ++cell) {
    preview_->setCellBackground(cell, shade);
  }
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  switch (event->type()) {
    case QEvent::WindowDeactivate:
      // A message box is part of the handler that showed it, not another
      // window of the program: coming back from it keeps the focus where it was.
      leftForMessageBox_ = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
      // A menu command leaves the focus on the menu bar, which gives it back to
      // nothing once the box has gone: treat that as no focus kept.
      focusBeforeMessageBox_ =
          leftForMessageBox_ && qobject_cast<QMenuBar*>(focusWidget()) == nullptr ? focusWidget()
                                                                                  : nullptr;
      break;
    case QEvent::WindowActivate:
      if (!std::exchange(leftForMessageBox_, false) || focusBeforeMessageBox_ == nullptr) {
        Form_Activate();
      } else {
        // Without a window manager Qt may not hand the focus back by itself.
        focusBeforeMessageBox_->setFocus(Qt::ActiveWindowFocusReason);
      }
      break;
    case QEvent::FocusIn:
      Form_GotFocus();
      break;
    default:
      break;
  }
  return handled;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
      takeNameCfgDrag(event)) {
    return true;
  }
  if (watched == pureCode_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    pureCode_KeyDown(keyCodeOf(key->key()), static_cast<int>(key->modifiers().toInt()));
    // Alt with a letter that is no menu's Alt letter (Alt+H, say) is a missed
    // menu command, not typing: it must not put the letter into the name.
    if (key->modifiers().testFlag(Qt::AltModifier) && !key->text().isEmpty()) {
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!centred_ && screen() != nullptr) {
    centred_ = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
  }
}

void MainWindow::Form_Activate() {
  pureCode_->setFocus(Qt::ActiveWindowFocusReason);
}

void MainWindow::Form_GotFocus() {
  pureCode_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::pureCode_Change() {
  const QString name = pureCode_->text();
  core::renderPreview(cells_, name);
  previewCutOff_ = core::previewCutsOff(name);
  showPreview();
}

void MainWindow::pureCode_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode >= keycode::kF1 && keyCode <= keycode::kF8) {
    typeColorCode(platform_, keyCode - keycode::kF1 + 1);
  } else if (keyCode == keycode::kF9) {
    setName(QString());
  }
}

void MainWindow::codeClick_Click(int index) {
  typeColorCode(platform_, index);
}

void MainWindow::cls_Click() {
  setName(QString());
  pureCode_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::cycleColors_Click() {
  const core::CycleResult cycled = core::cycleColorCodes(name());
  for (int message = 0; message < cycled.unrecognisedCodes; ++message) {
    platform_.messageBox(QStringLiteral("Unreconised Case"), platform::style::kOk);
  }
  setName(cycled.text);
}

void MainWindow::stripCodes_Click() {
  setName(core::stripColorCodes(name()));
}

void MainWindow::butSwapColors_Click() {
  const int fromCode = core::colorNameToCode(fromColText());
  const int toCode = core::colorNameToCode(toColText());
  setName(core::replaceColorCode(name(), fromCode, toCode));
}

// The recoloured part is selected afterwards, so that another pattern can be
// tried on the same letters at once; selecting adds no undo step.
void MainWindow::colorLetters_Click(LetterPattern pattern) {
  const std::optional<core::ColoredLetters> colored = colorLetters(
      pattern, name(), pureCode_->selectionStart(), pureCode_->selectionLength(),
      core::colorNameToCode(fromColText()), core::colorNameToCode(toColText()), *random_);
  if (!colored) {
    platform_.messageBox(QStringLiteral("A colour list does not hold a colour name. Choose a "
                                        "colour in both colour lists."),
                         platform::style::kOk | platform::style::kInformationIcon,
                         QStringLiteral("Color Letters"));
    return;
  }
  setName(colored->text);
  if (colored->length > 0) {
    pureCode_->setSelection(static_cast<int>(colored->start), static_cast<int>(colored->length));
  }
}

void MainWindow::Command3_Click() {
  setPreviewShade(ui::shadeColor(ui::Shade::Light));
}

void MainWindow::Command4_Click() {
  setPreviewShade(ui::shadeColor(ui::Shade::Dark));
}

void MainWindow::example1_Click() {
  setName(ui::exampleName(1));
}

void MainWindow::example2_Click() {
  setName(ui::exampleName(2));
}

void MainWindow::example3_Click() {
  setName(ui::exampleName(3));
}

}  // namespace app
