// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "links/inetconnection.h"

#include "links/webhost.h"

namespace links {
namespace {

// The open-document call succeeded when it returned more than this.
constexpr int kLastFailureResult = 32;

}  // namespace

QString webHost() {
  return QStringLiteral(TINTRA_WEB_HOST);
}

QString siteUrl() {
  return webHost() + QStringLiteral("/tintra");
}

QString updateCheckUrl(const platform::Version& version) {
  return webHost() + QStringLiteral("/tintra/version.asp?Version=") +
         QString::number(version.major) + QString::number(version.minor) +
         QString::number(version.revision);
}

void ExecuteLink(platform::Platform& platform, const QString& link) {
  platform.setBusyPointer(true);
  const int result = platform.openDocument(link);
  if (result <= kLastFailureResult) {
    platform.setBusyPointer(false);
    const int error = platform.lastPlatformError();
    platform.messageBox(QStringLiteral("error Opening Link to ") + link +
                            QStringLiteral("\r\n\r\n") + QString::number(error),
                        platform::style::kOk, QStringLiteral("ExecuteLink"));
  }
  platform.setBusyPointer(false);
}

void webSite(platform::Platform& platform) {
  ExecuteLink(platform, siteUrl());
}

void updateCheck(platform::Platform& platform) {
  ExecuteLink(platform, updateCheckUrl(platform.version()));
}

}  // namespace links
