// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/appicon.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <array>
#include <span>

// The resource lives in a static library: naming its initialiser here makes
// the linker keep it, and registers it before the first use. Outside any
// namespace, as Q_INIT_RESOURCE requires.
static void registerIconResource() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(icons);
    return true;
  }();
  (void)registered;
}

namespace appdata {

namespace {

// Each PNG is read as PNG and nothing else: QIcon::addFile(), and QImage
// too, ask every image format plugin whether it can read the file first,
// loading the SVG, JPEG, GIF and ICO plugins and their libraries, which costs
// start-up time and memory for nothing.
QIcon iconOfSizes(std::span<const int> sizes) {
  registerIconResource();
  QIcon icon;
  for (const int size : sizes) {
    QImageReader reader(QStringLiteral(":/icons/tintra-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

}  // namespace

QIcon applicationIcon() {
  constexpr std::array kSizes{16, 32, 48, 64, 128, 256};
  return iconOfSizes(kSizes);
}

void setUpDesktopIdentity() {
  QGuiApplication::setDesktopFileName(QStringLiteral(TINTRA_APP_ID));
  // On X11 every size of the window icon is decoded and sent to the server
  // before the window is shown. Title bars and task bars draw 16 to 64
  // pixels; larger views take the installed icon through the desktop entry.
  constexpr std::array kWindowIconSizes{16, 32, 48, 64};
  QGuiApplication::setWindowIcon(iconOfSizes(kWindowIconSizes));
}

}  // namespace appdata
