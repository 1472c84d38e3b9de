// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A window that drags a file away as a file manager does: a press in it
// starts dragging the file named on the command line, as a text/uri-list.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource : public QWidget {
 public:
  explicit DragSource(QString file) : file_(std::move(file)) {}

 protected:
  void mousePressEvent(QMouseEvent* /*event*/) override {
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(file_)});
    QDrag drag(this);
    drag.setMimeData(data);
    drag.exec(Qt::CopyAction);
  }

 private:
  QString file_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    return 2;
  }
  DragSource window(QString::fromLocal8Bit(argv[1]));
  window.setWindowTitle(QStringLiteral("Drag source"));
  // In a corner of the 1024 by 768 screen, clear of the main window.
  window.setGeometry(884, 628, 120, 120);
  window.show();
  return QApplication::exec();
}
