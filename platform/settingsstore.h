#pragma once

#include <QString>

namespace platform {

// The per-user settings file: plain INI, one section per settings section,
// "Key=Value" lines, written through QSettings and synced after every save.
class SettingsStore {
 public:
  // The user's file: $XDG_CONFIG_HOME (else ~/.config) + "/Tintra/Tintra.ini";
  // on Windows %APPDATA%\Tintra\Tintra.ini.
  SettingsStore();
  explicit SettingsStore(QString filePath);

  [[nodiscard]] QString get(const QString& section, const QString& key,
                            const QString& defaultValue) const;
  // Returns false when the value could not be written to the file.
  bool save(const QString& section, const QString& key, const QString& value);

  [[nodiscard]] const QString& filePath() const { return filePath_; }

  [[nodiscard]] static QString defaultFilePath();

 private:
  QString filePath_;
};

}  // namespace platform
