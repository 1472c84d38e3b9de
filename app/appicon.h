#pragma once

#include <QIcon>

namespace app {

// The program's icon: four legend colours behind a caret, drawn at the sizes
// window decorations ask for.
[[nodiscard]] QIcon programIcon();

}  // namespace app
