// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

#include <QString>

namespace e2e {

// A private Xvfb server for one test process. Xvfb picks a free display number
// itself (-displayfd), so test runs beside each other never collide. The
// constructor sets DISPLAY; the destructor stops the server.
class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  [[nodiscard]] QString name() const { return name_; }

 private:
  pid_t server_ = -1;
  QString name_;
};

}  // namespace e2e
