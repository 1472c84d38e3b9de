// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRandomGenerator>
#include <optional>

#include "app/namebox.h"
#include "core/colorcodes.h"
#include "platform/platform.h"
#include "settings/globalvars.h"

class QComboBox;
class QPushButton;

namespace app {

class ColorLegend;
class PreviewPanel;

// The main window `main`: the coded name in pureCode, its live preview, the
// colour legend, the rewrite tools, the bottom row of buttons and the menu bar.
// Every control and menu item runs the handler named after it; the handlers
// only translate between the controls and the core or the platform.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(platform::Platform& platform, QWidget* parent = nullptr);

  // The coded name: the text of pureCode. Assigning it is one undo step of
  // the box (NameBox::assignName) and re-renders the preview before it returns.
  [[nodiscard]] QString name() const;
  void setName(const QString& name);
  [[nodiscard]] NameBox* pureCodeEdit() const { return pureCode_; }

  [[nodiscard]] QString fromColText() const;
  [[nodiscard]] QString toColText() const;
  [[nodiscard]] PreviewPanel* previewPanel() const { return preview_; }
  [[nodiscard]] platform::Platform& platformServices() const { return platform_; }
  // Where Color Letters' Random draws from: QRandomGenerator::global() unless
  // set. The generator must outlive the window.
  void setRandomGenerator(QRandomGenerator& random) { random_ = &random; }

  // The preview: emptied and white; coloured from a cell on; backgrounds.
  void resetPreview();
  void paintFromCell(int code, int firstCell);
  void setPreviewShade(const core::Rgb& color);

  // Handlers, one per control event and menu item.
  virtual void Form_Activate();
  virtual void Form_GotFocus();
  virtual void pureCode_Change();
  virtual void pureCode_KeyDown(int keyCode, int shift);
  virtual void codeClick_Click(int index);
  virtual void cls_Click();
  virtual void cycleColors_Click();
  virtual void stripCodes_Click();
  virtual void butSwapColors_Click();
  virtual void colorLetters_Click(LetterPattern pattern);
  virtual void Command3_Click();
  virtual void Command4_Click();
  virtual void Command1_Click();
  virtual void Command2_Click();
  virtual void Command5_Click();
  virtual void close_Click();
  virtual void config_Click();
  virtual void saveslot1_Click();
  virtual void saveslot2_Click();
  virtual void saveslot3_Click();
  virtual void resSlot1_Click();
  virtual void resSlot2_Click();
  virtual void resSlot3_Click();
  virtual void example1_Click();
  virtual void example2_Click();
  virtual void example3_Click();
  virtual void mkname_Click();
  // The context menus' picture items and Load name.cfg, and a .cfg file
  // dropped on the window, which loads as Load name.cfg does.
  virtual void copyPicture_Click();
  virtual void savePicture_Click();
  virtual void loadNameCfg_Click();
  virtual void nameCfg_Drop(const QString& path);
  virtual void helpInfo_Click();
  virtual void About_Click();
  virtual void webSite_Click();
  virtual void update_Click();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Form_Load();
  void runSettingsStartup();

  void setupClientArea();
  void setupCodeFrame(QWidget* client);
  void setupTweaksFrame(QWidget* client);
  void setupOutputFrame(QWidget* client);
  void setupBottomRow(QWidget* client);
  void setupMenus();
  void setupSavedMenu();
  void setupExamplesMenu();
  void setupHelpMenu();
  void fillColorLists();
  void showPreview();
  void showPreviewMenu(QPoint at);
  // A drag or drop of a .cfg file over the window or one of its text boxes.
  bool takeNameCfgDrag(QEvent* event);
  std::optional<QString> draggedNameCfg_;  // the .cfg file being dragged over the window

  platform::Platform& platform_;
  settings::GlobalVars globals_;  // the in-memory settings, filled at start-up
  ColorLegend* legend_ = nullptr;
  NameBox* pureCode_ = nullptr;
  QPushButton* clsButton_ = nullptr;
  QComboBox* fromCol_ = nullptr;
  QComboBox* toCol_ = nullptr;
  QRandomGenerator* random_ = QRandomGenerator::global();
  PreviewPanel* preview_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  core::PreviewCells cells_ = core::initialPreviewCells();
  bool previewCutOff_ = false;  // the name goes on past the last cell
  QString pictureFolder_;       // where the last picture was saved, for this run
  bool centred_ = false;
  bool leftForMessageBox_ = false;
  QPointer<QWidget> focusBeforeMessageBox_;
};

}  // namespace app
