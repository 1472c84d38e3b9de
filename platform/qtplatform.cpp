// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <cerrno>

#include "platform/clipboardkeeper.h"
#include "platform/filereader.h"
#include "platform/filewriter.h"
#include "platform/keyinjection.h"
#include "platform/settingslocation.h"
#include "platform/version.h"

namespace platform {
namespace {

QMessageBox::StandardButtons buttonsFor(int style) {
  switch (style % 16) {
    case style::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case style::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon iconFor(int style) {
  switch (style - style % 16) {
    case style::kStopIcon:
      return QMessageBox::Critical;
    case style::kInformationIcon:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int answerFor(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return answer::kYes;
    case QMessageBox::No:
      return answer::kNo;
    case QMessageBox::Cancel:
      return answer::kCancel;
    default:
      return answer::kOk;
  }
}

}  // namespace

QtPlatform::QtPlatform()
    : carriedOverFrom_(carryOverInstalledSettings(settingsPlacesOf(*this))),
      store_(settingsFilePath(settingsPlacesOf(*this))) {}

QString QtPlatform::getSetting(const QString& section, const QString& key,
                               const QString& defaultValue) {
  return store_.get(section, key, defaultValue);
}

bool QtPlatform::saveSetting(const QString& section, const QString& key, const QString& value) {
  return store_.save(section, key, value);
}

std::optional<UnwrittenSettings> QtPlatform::unwrittenSettings() const {
  if (!store_.hasWaitingChanges()) {
    return std::nullopt;
  }
  return UnwrittenSettings{store_.filePath(), store_.lastError()};
}

int QtPlatform::messageBox(const QString& prompt, int style, const QString& title) {
  const QMessageBox::StandardButtons buttons = buttonsFor(style);
  QMessageBox box(iconFor(style), title.isEmpty() ? kApplicationTitle : title, prompt, buttons,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
  if (buttons.testFlag(QMessageBox::Cancel)) {
    box.setEscapeButton(QMessageBox::Cancel);
  }
  return answerFor(box.exec());
}

void QtPlatform::sendKeys(const QString& keys) {
  injectKeys(keys);
}

void QtPlatform::setClipboardText(const QString& text) {
  QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
  clipboardSet_ = true;
}

// Qt offers the picture as PNG and its other image formats on X11 and
// Wayland, and as a device-independent bitmap (and PNG) on Windows.
void QtPlatform::setClipboardImage(const QImage& image) {
  QGuiApplication::clipboard()->setImage(image, QClipboard::Clipboard);
  clipboardSet_ = true;
}

void QtPlatform::launchProgram(const QString& program, const QStringList& arguments) {
  QProcess::startDetached(program, arguments);
}

int QtPlatform::openDocument(const QString& url) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty()) {
    return openWithLauncher(opener, url);
  }
#endif
  errno = 0;
  const bool opened = QDesktopServices::openUrl(QUrl(url));
  lastError_ = opened ? 0 : (errno != 0 ? errno : ENOENT);
  return opened ? kOpenedResult : 0;
}

// QDesktopServices starts xdg-open detached and so cannot tell when it fails
// (no handler for the scheme, a missing file). Running it here reports its
// exit status as the error number. Most desktops' openers hand the link to
// the browser and return at once; one that keeps the browser in the
// foreground is left running after a short wait and counts as a success.
int QtPlatform::openWithLauncher(const QString& opener, const QString& url) {
  auto* process = new QProcess;
  process->setProgram(opener);
  process->setArguments({url});
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setStandardInputFile(QProcess::nullDevice());
  process->start();
  if (!process->waitForStarted()) {
    delete process;
    lastError_ = ENOENT;
    return 0;
  }
  if (!process->waitForFinished(kLauncherWaitMs)) {
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    lastError_ = 0;
    return kOpenedResult;
  }
  const bool ok = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
  lastError_ = ok ? 0 : process->exitCode();
  if (!ok && lastError_ == 0) {
    lastError_ = EINTR;  // killed by a signal: no exit status of its own
  }
  delete process;
  return ok ? kOpenedResult : 0;
}

void QtPlatform::setBusyPointer(bool busy) {
  if (busy && !busy_) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (!busy) {
    while (QGuiApplication::overrideCursor() != nullptr) {
      QGuiApplication::restoreOverrideCursor();
    }
  }
  busy_ = busy;
}

WriteResult QtPlatform::writeFile(const QString& path, const QByteArray& bytes) {
  return replaceFileAtomically(path, bytes);
}

ReadResult QtPlatform::readFile(const QString& path, qint64 maxBytes) {
  return readSmallFile(path, maxBytes);
}

QString QtPlatform::chooseSaveFile(const QString& title, const QString& suggestedPath,
                                   const QString& nameFilter, const QString& defaultSuffix) {
  QFileDialog dialog(QApplication::activeWindow(), title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(nameFilter);
  dialog.setDefaultSuffix(defaultSuffix);
  const QFileInfo suggested(suggestedPath);
  dialog.setDirectory(suggested.absolutePath());
  dialog.selectFile(suggested.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return dialog.selectedFiles().constFirst();
}

QString QtPlatform::picturesFolder() const {
  return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

// What Windows says is asked of Windows alone; elsewhere these have no answer.
bool QtPlatform::windowsFileNames() const {
#ifdef Q_OS_WIN
  return true;
#else
  return false;
#endif
}

QStringList QtPlatform::windowsDrives() const {
  QStringList drives;
#ifdef Q_OS_WIN
  for (const QFileInfo& drive : QDir::drives()) {
    drives << drive.absoluteFilePath();
  }
#endif
  return drives;
}

QString QtPlatform::userSettingsFolder() const {
#ifdef Q_OS_WIN
  // Qt's AppDataLocation is the roaming folder with the organisation's and
  // the program's names added.
  QString roaming = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  for (const QString& name :
       {QCoreApplication::applicationName(), QCoreApplication::organizationName()}) {
    if (!name.isEmpty() && roaming.endsWith(u'/' + name)) {
      roaming.chop(name.size() + 1);
    }
  }
  return roaming;
#else
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
}

QString QtPlatform::programFolder() const {
  return QCoreApplication::applicationDirPath();
}

QString QtPlatform::steamPath() const {
#ifdef Q_OS_WIN
  const QSettings steam(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"),
                        QSettings::NativeFormat);
  return steam.value(QStringLiteral("SteamPath")).toString();
#else
  return {};
#endif
}

Version QtPlatform::version() const {
  return kProgramVersion;
}

void QtPlatform::showWindow(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void QtPlatform::unloadWindow(QWidget* window) {
  window->close();
  window->deleteLater();
}

void QtPlatform::endProgram() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    window->hide();
  }
  if (clipboardSet_ && clipboardNeedsServing()) {
    quitWhenClipboardTaken();
    return;
  }
  QCoreApplication::exit(0);
}

}  // namespace platform
