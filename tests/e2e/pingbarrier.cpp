// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pingbarrier.h"

#include <poll.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace e2e {

PingBarrier::PingBarrier() : connection_(xcb_connect(nullptr, nullptr)) {
  if (xcb_connection_has_error(connection_) != 0) {
    return;
  }
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  // Qt sends its answer to the root window, for whoever listens there.
  const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  protocols_ = atom("WM_PROTOCOLS");
  pingAtom_ = atom("_NET_WM_PING");
}

PingBarrier::~PingBarrier() {
  xcb_disconnect(connection_);
}

xcb_atom_t PingBarrier::atom(const char* name) const {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, cookie, nullptr);
  const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return found;
}

bool PingBarrier::pass(std::uint32_t window, int timeoutMs, const std::function<bool()>& alive) {
  return ping(window, timeoutMs, alive) && ping(window, timeoutMs, alive);
}

bool PingBarrier::ping(std::uint32_t window, int timeoutMs, const std::function<bool()>& alive) {
  if (xcb_connection_has_error(connection_) != 0) {
    return false;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = protocols_;
  message.data.data32[0] = pingAtom_;
  message.data.data32[1] = ++serial_;
  message.data.data32[2] = window;
  xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection_);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline && alive()) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      const auto type = event->response_type & 0x7F;
      const auto* answer = reinterpret_cast<const xcb_client_message_event_t*>(event);
      const bool answered = type == XCB_CLIENT_MESSAGE && answer->type == protocols_ &&
                            answer->data.data32[0] == pingAtom_ &&
                            answer->data.data32[1] == serial_;
      const bool failed = type == 0;  // an error: no such window
      std::free(event);
      if (answered || failed) {
        return answered;
      }
    }
    pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
    poll(&readable, 1, 50);
  }
  return false;
}

}  // namespace e2e
