// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every desktop service the program uses, behind one interface, so that the
// windows and flows can be driven in tests by a recording fake.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QImage;
class QWidget;

namespace platform {

// Message box styles: a button set plus an icon.
namespace style {
constexpr int kOk = 0;
constexpr int kYesNoCancel = 3;
constexpr int kYesNo = 4;
constexpr int kStopIcon = 16;
constexpr int kInformationIcon = 64;
}  // namespace style

// What a message box returns: the button pressed.
namespace answer {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kYes = 6;
constexpr int kNo = 7;
}  // namespace answer

// Title of a message box shown without one of its own.
inline const QString kApplicationTitle = QStringLiteral("Veldmark Name Colorizer");

struct Version {
  int major = 0;
  int minor = 0;
  int revision = 0;

  friend bool operator==(const Version&, const Version&) = default;
};

struct UnwrittenSettings {
  QString filePath;  // empty when there is no place for the file at all
  QString reason;
};

struct WriteResult {
  bool ok = false;
  QString error;  // why it failed, for the user; empty on success
  // The new file was written but could not take the old one's place, as when
  // another program holds the old one open for a moment: trying again may work.
  bool inUse = false;
};

struct ReadResult {
  enum class Status { Read, Missing, TooLarge, Failed };
  Status status = Status::Failed;
  QByteArray bytes;  // the whole file when read; empty otherwise
  QString error;     // why it failed, for the user, when Failed
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Settings store, per user, for the application "Tintra".
  // Returns the stored text, or defaultValue when the key is absent.
  [[nodiscard]] virtual QString getSetting(const QString& section, const QString& key,
                                           const QString& defaultValue) = 0;
  // Writes the value to the settings file at once (it reaches the disk before
  // this returns), with every earlier change that could not be written yet.
  // Returns false when the file could not be written; the value is kept for
  // the rest of the run all the same.
  virtual bool saveSetting(const QString& section, const QString& key, const QString& value) = 0;
  // The changes that could not be written so far: the file and why the last
  // write failed; nullopt when every change is on disk.
  [[nodiscard]] virtual std::optional<UnwrittenSettings> unwrittenSettings() const = 0;
  // The installed program's settings file that this portable copy, having
  // none of its own, copied beside itself as it started; empty when none.
  [[nodiscard]] virtual QString settingsCarriedOverFrom() const = 0;

  // A modal message box; style is a button set plus an icon (see style::).
  // An empty title shows kApplicationTitle. Returns the button (see answer::).
  virtual int messageBox(const QString& prompt, int style, const QString& title = {}) = 0;

  // Types the keys into whichever control has the focus once the current
  // handler has returned. "{^}" types a literal caret; other characters stand
  // for themselves.
  virtual void sendKeys(const QString& keys) = 0;

  // Puts plain text on the clipboard.
  virtual void setClipboardText(const QString& text) = 0;
  // Puts a picture on the clipboard in the formats other programs paste
  // (PNG on X11 and Wayland, bitmaps on Windows).
  virtual void setClipboardImage(const QImage& image) = 0;

  // Starts a program without waiting for it; the result is not reported.
  virtual void launchProgram(const QString& program, const QStringList& arguments) = 0;

  // Opens a URL or a local file with the desktop's default handler. Returns a
  // number above 32 on success and 32 or less on failure, in which case
  // lastPlatformError() tells why.
  virtual int openDocument(const QString& url) = 0;
  [[nodiscard]] virtual int lastPlatformError() const = 0;

  // The busy (hourglass) pointer over every window of the program, or the default.
  virtual void setBusyPointer(bool busy) = 0;

  // Replaces the file with these bytes atomically: on any failure the old file
  // stays as it was.
  virtual WriteResult writeFile(const QString& path, const QByteArray& bytes) = 0;
  // The whole of a plain file of at most maxBytes bytes; a larger one is not
  // read at all, and a folder or device in its place is a failure.
  virtual ReadResult readFile(const QString& path, qint64 maxBytes) = 0;

  // A modal save dialog that starts at suggestedPath (a folder and a file
  // name), shows the files that match nameFilter ("PNG image (*.png)") and
  // adds defaultSuffix to a name typed without one; it asks before an
  // existing file is replaced. Returns the chosen path, empty when cancelled.
  virtual QString chooseSaveFile(const QString& title, const QString& suggestedPath,
                                 const QString& nameFilter, const QString& defaultSuffix) = 0;
  // The user's Pictures folder; empty when the system names none.
  [[nodiscard]] virtual QString picturesFolder() const = 0;

  // What the system says of the machine. The program decides from these where
  // things are (the settings file, the drive list, the help files, the
  // name.cfg path) in plain code, which the tests drive with the answers of
  // either system.
  //
  // Whether file names are Windows': drive letters, "\" between folders, and
  // letter case ignored when two are compared.
  [[nodiscard]] virtual bool windowsFileNames() const = 0;
  // Windows' drives, every letter in use, ready or not ("C:/", "D:/"); none
  // elsewhere.
  [[nodiscard]] virtual QStringList windowsDrives() const = 0;
  // The user's folder for program settings: Windows' roaming application
  // data folder, elsewhere ~/.config or $XDG_CONFIG_HOME; empty when the
  // system names none.
  [[nodiscard]] virtual QString userSettingsFolder() const = 0;
  // The folder that holds the program file.
  [[nodiscard]] virtual QString programFolder() const = 0;
  // Steam's folder as Windows' registry holds it ("SteamPath", in any case
  // and with forward slashes); empty when Steam is not installed.
  [[nodiscard]] virtual QString steamPath() const = 0;

  // The program's version: 1, 2, 2 for this release.
  [[nodiscard]] virtual Version version() const = 0;

  // Shows a window (modeless), raising and activating it.
  virtual void showWindow(QWidget* window) = 0;
  // Closes and discards a window.
  virtual void unloadWindow(QWidget* window) = 0;
  // Ends the program at once: every window closes and no further handler runs.
  virtual void endProgram() = 0;
};

}  // namespace platform
