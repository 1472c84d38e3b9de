// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/filereader.h"

#include <QFile>
#include <QFileInfo>

namespace platform {
namespace {

ReadResult failure(const QString& reason) {
  return {ReadResult::Status::Failed, {}, reason};
}

}  // namespace

ReadResult readSmallFile(const QString& path, qint64 maxBytes) {
  const QFileInfo info(path);
  if (!info.exists()) {
    return {ReadResult::Status::Missing, {}, {}};
  }
  if (!info.isFile()) {
    return failure(QStringLiteral("It is not a file."));
  }
  if (info.size() > maxBytes) {
    return {ReadResult::Status::TooLarge, {}, {}};
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return failure(file.errorString());
  }
  QByteArray bytes = file.read(maxBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    return failure(file.errorString());
  }
  if (bytes.size() > maxBytes) {
    return {ReadResult::Status::TooLarge, {}, {}};
  }
  return {ReadResult::Status::Read, std::move(bytes), {}};
}

}  // namespace platform
