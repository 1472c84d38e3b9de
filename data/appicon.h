#pragma once

#include <QIcon>

namespace appdata {

// The program's icon, from the PNG sizes compiled into the program (16 to
// 256 pixels). PNGs rather than the SVG: no image plugin is loaded at
// start-up, and each size is drawn for its size.
[[nodiscard]] QIcon applicationIcon();

}  // namespace appdata
