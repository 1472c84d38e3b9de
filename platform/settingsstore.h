// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <functional>

#include "platform/platform.h"

namespace platform {

// The per-user settings file (plain INI, see iniformat.h), shared with any
// other copy of the program that runs at the same time and with a person
// editing it by hand.
//
// A read gives the value in the file as it is now: each read reads the file
// (it is small) and parses it again when its bytes differ from the last ones
// seen. A save writes its own change over the file as it is on disk at that
// moment, so that what others wrote meanwhile stays; it reads, merges and
// replaces the file while holding a lock file beside it that every copy
// takes, so that no other copy's save comes in between. When a save cannot
// write the file, its change waits: it lasts for the rest of the run (reads
// give it), and the next save that can write writes it too. Changes once
// written are never written again.
class SettingsStore {
 public:
  // Replaces the file with the bytes, atomically; replaceFileAtomically in
  // the program.
  using Writer = std::function<WriteResult(const QString& path, const QByteArray& bytes)>;

  // How long a save waits for another copy's lock, and for a file that is in
  // use, before it counts as failed.
  static constexpr int kPatienceMs = 1000;

  // No file at all when filePath is empty (the system named no folder for
  // settings): every change then waits for the rest of the run.
  explicit SettingsStore(QString filePath, Writer writer = {});

  [[nodiscard]] QString get(const QString& section, const QString& key,
                            const QString& defaultValue);
  // Returns false when the file could not be written; the value waits.
  bool save(const QString& section, const QString& key, const QString& value);

  // Whether some change could not be written yet, and why the last write failed.
  [[nodiscard]] bool hasWaitingChanges() const { return !waiting_.isEmpty(); }
  [[nodiscard]] const QString& lastError() const { return lastError_; }

  [[nodiscard]] const QString& filePath() const { return filePath_; }

 private:
  void reread();
  bool saveLocked();
  WriteResult replaceFile(const QByteArray& bytes);
  bool fail(const QString& reason);

  QString filePath_;
  Writer writer_;
  QSettings::SettingsMap read_;  // the file as last read or written
  QByteArray readBytes_;         // its bytes
  bool readOnce_ = false;
  QSettings::SettingsMap waiting_;
  QString lastError_;
};

}  // namespace platform
