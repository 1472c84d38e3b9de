// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A reference for the typing benchmark: the straightforward preview, 18
// line-edit cells all restyled on every change of the name, beside a name box
// like tintra's. Shows what repainting only the changed cells saves.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <limits>

#include "core/preview.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Naive cells"));
  window.setFixedSize(482, 289);
  auto* name = new QLineEdit(&window);
  name->setGeometry(16, 104, 281, 25);
  name->setFont(ui::courierNewFont(11.25));
  name->setMaxLength(std::numeric_limits<int>::max());
  std::array<QLineEdit*, core::kPreviewCellCount> cells{};
  for (int cell = 0; cell < core::kPreviewCellCount; ++cell) {
    auto* box = new QLineEdit(&window);
    box->setGeometry(24 + 24 * cell, 168, 23, 43);
    box->setAlignment(Qt::AlignHCenter);
    box->setFocusPolicy(Qt::NoFocus);
    cells.at(static_cast<std::size_t>(cell)) = box;
  }
  core::PreviewCells model = core::initialPreviewCells();
  QObject::connect(name, &QLineEdit::textChanged, &window, [&](const QString& text) {
    core::renderPreview(model, text);
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
      const core::PreviewCell& content = model.at(cell);
      cells.at(cell)->setText(content.text);
      cells.at(cell)->setFont(ui::impactFont(content.pointSize));
      cells.at(cell)->setStyleSheet(
          QStringLiteral("background: rgb(128,128,128); border: none; color: rgb(%1,%2,%3)")
              .arg(content.color.red)
              .arg(content.color.green)
              .arg(content.color.blue));
    }
  });
  window.show();
  name->setFocus();
  return QApplication::exec();
}
