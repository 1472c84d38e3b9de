#pragma once

#include <QString>

namespace appdata {

// Where the program finds the text files it ships ("help.txt", "readme.txt").
// The copy in the current folder wins, as beside a program run from its own
// folder; otherwise the installed copy in the data folder next to the
// program's bin folder (e.g. /usr/bin/tintra -> /usr/share/tintra/help.txt).
// When neither exists the current folder's path is returned, so that a
// message about the missing file names the place the user expects.
[[nodiscard]] QString locateDataFile(const QString& fileName, const QString& currentDir,
                                     const QString& programDir);

// The same for the running program: the process's current folder and the
// folder of its executable.
[[nodiscard]] QString locateDataFile(const QString& fileName);

}  // namespace appdata
