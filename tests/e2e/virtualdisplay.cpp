// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "virtualdisplay.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace e2e {

VirtualDisplay::VirtualDisplay() {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    throw std::runtime_error("cannot create a pipe for Xvfb");
  }
  fcntl(pipeEnds[0], F_SETFD, FD_CLOEXEC);
  const std::string displayFd = std::to_string(pipeEnds[1]);
  server_ = fork();
  if (server_ == 0) {
    execlp("Xvfb", "Xvfb", "-displayfd", displayFd.c_str(), "-screen", "0", "1024x768x24",
           "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  std::string number;
  char character = 0;
  while (read(pipeEnds[0], &character, 1) == 1 && character != '\n') {
    number += character;
  }
  close(pipeEnds[0]);
  if (server_ < 0 || number.empty()) {
    throw std::runtime_error("Xvfb did not start; is the package xvfb installed?");
  }
  name_ = QStringLiteral(":") + QString::fromStdString(number);
  setenv("DISPLAY", name_.toLocal8Bit().constData(), 1);
}

VirtualDisplay::~VirtualDisplay() {
  if (server_ > 0) {
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
  }
}

}  // namespace e2e
