#include "platform/settingsstore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <shlobj.h>
#endif

#include "platform/iniformat.h"

namespace platform {

SettingsStore::SettingsStore() : SettingsStore(defaultFilePath()) {}

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString SettingsStore::defaultFilePath() {
#ifdef Q_OS_WIN
  // %APPDATA%\Tintra\Tintra.ini: Windows programs keep their settings in the
  // user's roaming folder, which Qt's generic config location is not. (A
  // QSettings asked for its INI path would read the file into Qt's cache in
  // Qt's own format, which the plain format then finds instead.)
  PWSTR roaming = nullptr;
  QString folder;
  if (SUCCEEDED(
          SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &roaming))) {
    folder = QDir::fromNativeSeparators(QString::fromWCharArray(roaming));
  }
  CoTaskMemFree(roaming);
  return folder + QStringLiteral("/Tintra/Tintra.ini");
#else
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Tintra/Tintra.ini");
#endif
}

QString SettingsStore::get(const QString& section, const QString& key,
                           const QString& defaultValue) const {
  const QSettings settings(filePath_, plainIniFormat());
  const QVariant value = settings.value(section + u'/' + key);
  return value.isValid() ? value.toString() : defaultValue;
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
  QSettings settings(filePath_, plainIniFormat());
  settings.setValue(section + u'/' + key, value);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace platform
