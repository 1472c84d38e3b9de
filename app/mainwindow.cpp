#include "app/mainwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace app {

MainWindow::MainWindow(platform::Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform) {
  setObjectName(QStringLiteral("main"));
  const platform::Version version = platform_.version();
  setWindowTitle(QStringLiteral("Veldmark Name Colorizer V%1.%2%3")
                     .arg(version.major)
                     .arg(version.minor)
                     .arg(version.revision));
  auto* layout = new QVBoxLayout(this);
  pureCode_ = new QLineEdit(QStringLiteral("^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!"), this);
  pureCode_->setObjectName(QStringLiteral("pureCode"));
  layout->addWidget(pureCode_);
  auto* row = new QHBoxLayout;
  for (QLabel*& cell : output_) {
    cell = new QLabel(this);
    cell->setFixedSize(24, 43);
    cell->setAlignment(Qt::AlignCenter);
    cell->setStyleSheet(QStringLiteral("background: rgb(128,128,128)"));
    row->addWidget(cell);
  }
  layout->addLayout(row);
  connect(pureCode_, &QLineEdit::textChanged, this, &MainWindow::pureCode_Change);
  pureCode_Change();
}

void MainWindow::pureCode_Change() {
  core::renderPreview(cells_, pureCode_->text());
  for (std::size_t index = 0; index < output_.size(); ++index) {
    const core::PreviewCell& cell = cells_.at(index);
    output_.at(index)->setText(cell.text);
    output_.at(index)->setStyleSheet(
        QStringLiteral("background: rgb(128,128,128); color: rgb(%1,%2,%3); font: %4pt")
            .arg(cell.color.red)
            .arg(cell.color.green)
            .arg(cell.color.blue)
            .arg(cell.pointSize));
  }
}

}  // namespace app
