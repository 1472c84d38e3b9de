// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A .cfg file dropped on the main window, or on one of its text boxes, loads
// its name as Load name.cfg does; text dropped on a text box is left to it.
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <optional>

#include "app/mainwindow.h"

namespace app {
namespace {

// The path of the one local .cfg file that the drag carries.
std::optional<QString> nameCfgIn(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
    return std::nullopt;
  }
  const QUrl url = data->urls().constFirst();
  if (!url.isLocalFile() ||
      QFileInfo(url.fileName()).suffix().compare(QLatin1String("cfg"), Qt::CaseInsensitive) != 0) {
    return std::nullopt;
  }
  return url.toLocalFile();
}

}  // namespace

bool MainWindow::takeNameCfgDrag(QEvent* event) {
  auto* drag = static_cast<QDropEvent*>(event);
  std::optional<QString> path = nameCfgIn(drag->mimeData());
  if (event->type() != QEvent::Drop) {
    draggedNameCfg_ = path;
  } else {
    // Some programs stop giving the dragged data once the drop is made: the
    // file named while it was dragged over the window is the one dropped.
    if (!path) {
      path = draggedNameCfg_;
    }
    draggedNameCfg_.reset();
  }
  if (!path) {
    return false;
  }
  drag->acceptProposedAction();
  if (event->type() == QEvent::Drop) {
    // After the drop has been answered: the program that the file came from
    // waits for that answer, and a message box may be shown.
    QMetaObject::invokeMethod(
        this, [this, file = *path] { nameCfg_Drop(file); }, Qt::QueuedConnection);
  }
  return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!takeNameCfgDrag(event)) {
    event->ignore();
  }
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (!takeNameCfgDrag(event)) {
    event->ignore();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (!takeNameCfgDrag(event)) {
    event->ignore();
  }
}

}  // namespace app
