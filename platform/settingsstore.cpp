#include "platform/settingsstore.h"

#include <QSettings>
#include <QStandardPaths>

#include "platform/iniformat.h"

namespace platform {

SettingsStore::SettingsStore() : SettingsStore(defaultFilePath()) {}

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString SettingsStore::defaultFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Tintra/Tintra.ini");
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
