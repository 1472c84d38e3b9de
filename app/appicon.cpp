#include "app/appicon.h"

#include <QPainter>
#include <QPixmap>
#include <array>

#include "core/colorcodes.h"

namespace app {
namespace {

QPixmap drawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const int half = size / 2;
  const std::array<int, 4> codes{1, 2, 3, 4};
  for (std::size_t quarter = 0; quarter < codes.size(); ++quarter) {
    const core::Rgb rgb = core::colorIndexToRgb(core::codeToColorIndex(codes.at(quarter)));
    const int left = static_cast<int>(quarter % 2) * half;
    const int top = static_cast<int>(quarter / 2) * half;
    painter.fillRect(left, top, half, half, QColor(rgb.red, rgb.green, rgb.blue));
  }
  QFont font = painter.font();
  font.setPixelSize(size * 3 / 4);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("^"));
  return pixmap;
}

}  // namespace

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addPixmap(drawIcon(size));
  }
  return icon;
}

}  // namespace app
