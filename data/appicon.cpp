#include "data/appicon.h"

#include <QString>
#include <array>

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

QIcon applicationIcon() {
  registerIconResource();
  constexpr std::array kSizes{16, 32, 48, 64, 128, 256};
  QIcon icon;
  for (const int size : kSizes) {
    icon.addFile(QStringLiteral(":/icons/tintra-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace appdata
