#include "platform/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <QWidget>
#include <cerrno>

#include "platform/clipboardkeeper.h"
#include "platform/filewriter.h"
#include "platform/keyinjection.h"
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

QString QtPlatform::getSetting(const QString& section, const QString& key,
                               const QString& defaultValue) {
  return store_.get(section, key, defaultValue);
}

bool QtPlatform::saveSetting(const QString& section, const QString& key, const QString& value) {
  return store_.save(section, key, value);
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

void QtPlatform::launchProgram(const QString& program, const QStringList& arguments) {
  QProcess::startDetached(program, arguments);
}

int QtPlatform::openDocument(const QString& url) {
  errno = 0;
  const bool opened = QDesktopServices::openUrl(QUrl(url));
  lastError_ = opened ? 0 : errno;
  return opened ? 33 : 0;
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
