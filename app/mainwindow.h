#pragma once

#include <QWidget>
#include <array>

#include "core/colorcodes.h"
#include "platform/platform.h"

class QLabel;
class QLineEdit;

namespace app {

// The main window: the coded name and its live preview.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(platform::Platform& platform, QWidget* parent = nullptr);

 private:
  void pureCode_Change();

  platform::Platform& platform_;
  QLineEdit* pureCode_ = nullptr;
  std::array<QLabel*, core::kPreviewCellCount> output_{};
  core::PreviewCells cells_ = core::initialPreviewCells();
};

}  // namespace app
