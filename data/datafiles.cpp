#include "data/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace appdata {

QString locateDataFile(const QString& fileName, const QString& currentDir,
                       const QString& programDir) {
  const QString local = QDir(currentDir).absoluteFilePath(fileName);
  if (QFileInfo(local).isFile()) {
    return local;
  }
  // TINTRA_INSTALLED_DATA_DIR is the data folder relative to the bin folder.
  const QString installed = QDir::cleanPath(
      QDir(programDir).filePath(QStringLiteral(TINTRA_INSTALLED_DATA_DIR "/") + fileName));
  if (QFileInfo(installed).isFile()) {
    return installed;
  }
  return local;
}

QString locateDataFile(const QString& fileName) {
  return locateDataFile(fileName, QDir::currentPath(), QCoreApplication::applicationDirPath());
}

}  // namespace appdata
