// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/helptext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "rtf/rtfcodepage.h"

namespace ui {
namespace {

HelpText notice(const QString& text) {
  return HelpText{HelpText::Kind::Notice, text, {}};
}

QString decodePlainText(QByteArray bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    bytes.remove(0, 3);
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) {
    text = rtf::RtfCodePage().decode(bytes);  // Windows-1252
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

}  // namespace

QString findDataFile(const QString& name, const QString& currentDir, const QString& programFolder,
                     bool windows) {
  const QFileInfo local(QDir(currentDir), name);
  if (local.isFile()) {
    return local.absoluteFilePath();
  }
  if (programFolder.isEmpty()) {
    return {};
  }
  const QString installedFolder =
      windows ? programFolder : programFolder + QStringLiteral("/../share/tintra");
  const QFileInfo installed(QDir(installedFolder), name);
  if (installed.isFile()) {
    return QDir::cleanPath(installed.absoluteFilePath());
  }
  return {};
}

QString findDataFile(const QString& name, const platform::Platform& platform) {
  return findDataFile(name, QDir::currentPath(), platform.programFolder(),
                      platform.windowsFileNames());
}

HelpText readHelpText(const QString& path) {
  if (path.isEmpty() || !QFileInfo::exists(path)) {
    return notice(
        QStringLiteral("The help file \"help.txt\" was not found in the program's "
                       "folder, so there is no help to show."));
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return notice(
        QStringLiteral("The help file \"help.txt\" could not be read: %1").arg(file.errorString()));
  }
  if (file.size() > kMaxHelpFileBytes) {
    return notice(QStringLiteral("The help file \"help.txt\" is too large to show (over %1 MB).")
                      .arg(kMaxHelpFileBytes / (1024 * 1024)));
  }
  const QByteArray bytes = file.read(kMaxHelpFileBytes + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kMaxHelpFileBytes) {
    return notice(
        QStringLiteral("The help file \"help.txt\" could not be read: %1").arg(file.errorString()));
  }
  if (rtf::looksLikeRtf(bytes)) {
    return HelpText{HelpText::Kind::Rich, {}, rtf::readRtf(bytes)};
  }
  return HelpText{HelpText::Kind::Plain, decodePlainText(bytes), {}};
}

}  // namespace ui
