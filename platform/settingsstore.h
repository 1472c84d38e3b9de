// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QSettings>
#include <QString>

namespace platform {

// The per-user settings file (plain INI, see iniformat.h), shared with any
// other copy of the program that runs at the same time and with a person
// editing it by hand.
//
// A read gives the value in the file as it is now: the file is read again
// whenever its size or time changed since it was last read. A save writes its
// own change over the file as it is on disk at that moment, so that what
// others wrote meanwhile stays. When a save cannot write the file, its change
// waits: it lasts for the rest of the run (reads give it), and the next save
// that can write writes it too. Changes once written are never written again.
class SettingsStore {
 public:
  // No file at all when filePath is empty (the system named no folder for
  // settings): every change then waits for the rest of the run.
  explicit SettingsStore(QString filePath);

  [[nodiscard]] QString get(const QString& section, const QString& key,
                            const QString& defaultValue);
  // Returns false when the file could not be written; the value waits.
  bool save(const QString& section, const QString& key, const QString& value);

  // Whether some change could not be written yet, and why the last write failed.
  [[nodiscard]] bool hasWaitingChanges() const { return !waiting_.isEmpty(); }
  [[nodiscard]] const QString& lastError() const { return lastError_; }

  [[nodiscard]] const QString& filePath() const { return filePath_; }

 private:
  struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
  };
  [[nodiscard]] FileStamp stampNow() const;
  void rereadIfChanged();
  bool fail(const QString& reason);

  QString filePath_;
  QSettings::SettingsMap read_;  // the file as last read or written
  FileStamp readStamp_;
  QSettings::SettingsMap waiting_;
  QString lastError_;
};

}  // namespace platform
