// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include "platform/platform.h"

class QLabel;
class QPushButton;

namespace ui {

// "Veldmark Name Colorizer V1.22" for version 1, 2, 2: a point after the
// major number only.
[[nodiscard]] QString aboutVersionLine(const platform::Version& version);

// The About window: photograph, name and version, credit and contact.
class FrmAbout : public QWidget {
  Q_OBJECT

 public:
  explicit FrmAbout(platform::Platform& platform, QWidget* parent = nullptr);

 signals:
  // The window is closing, by "Close" or its frame.
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void setupLabels();
  void setupButtons();
  void setupPicture();
  QLabel* addLabel(const QString& name, const QString& text, const QRect& geometry);
  void Form_Load();
  void Command1_Click();
  void Command2_Click();

  platform::Platform& platform_;
  QLabel* label1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
};

}  // namespace ui
