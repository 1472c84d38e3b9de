// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A minimal X11 clipboard manager for the end-to-end test: it owns
// CLIPBOARD_MANAGER, and when a program that is about to exit asks it to
// SAVE_TARGETS, it fetches the clipboard text (UTF8_STRING), takes the
// clipboard over and serves that text from then on. Prints "ready" once it
// owns CLIPBOARD_MANAGER and "saved" once it holds the text.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct FreeDeleter {
  void operator()(void* pointer) const { std::free(pointer); }  // NOLINT
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* connection = nullptr;
xcb_window_t window = 0;

xcb_atom_t atom(const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

void notify(xcb_window_t requestor, xcb_atom_t selection, xcb_atom_t target, xcb_atom_t property,
            xcb_timestamp_t time) {
  xcb_selection_notify_event_t event{};
  event.response_type = XCB_SELECTION_NOTIFY;
  event.time = time;
  event.requestor = requestor;
  event.selection = selection;
  event.target = target;
  event.property = property;
  xcb_send_event(connection, 0, requestor, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(connection);
}

}  // namespace

int main() {
  connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    return 1;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  window = xcb_generate_id(connection);
  const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, XCB_CW_EVENT_MASK, &events);
  const xcb_atom_t manager = atom("CLIPBOARD_MANAGER");
  const xcb_atom_t clipboard = atom("CLIPBOARD");
  const xcb_atom_t saveTargets = atom("SAVE_TARGETS");
  const xcb_atom_t utf8 = atom("UTF8_STRING");
  const xcb_atom_t targets = atom("TARGETS");
  const xcb_atom_t stash = atom("TINTRA_TEST_STASH");
  xcb_set_selection_owner(connection, window, manager, XCB_CURRENT_TIME);
  xcb_flush(connection);
  std::printf("ready\n");
  std::fflush(stdout);

  std::string text;
  xcb_selection_request_event_t pendingSave{};
  while (xcb_generic_event_t* raw = xcb_wait_for_event(connection)) {
    const std::unique_ptr<xcb_generic_event_t, FreeDeleter> event(raw);
    const auto type = static_cast<uint8_t>(raw->response_type & 0x7F);
    if (type == XCB_SELECTION_REQUEST) {
      const auto* request = reinterpret_cast<xcb_selection_request_event_t*>(raw);
      if (request->selection == manager && request->target == saveTargets) {
        pendingSave = *request;
        xcb_convert_selection(connection, window, clipboard, utf8, stash, request->time);
        xcb_flush(connection);
      } else if (request->selection == clipboard && request->target == targets) {
        const xcb_atom_t offered[] = {targets, utf8};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request->requestor,
                            request->property, XCB_ATOM_ATOM, 32, 2, offered);
        notify(request->requestor, clipboard, targets, request->property, request->time);
      } else if (request->selection == clipboard && request->target == utf8) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request->requestor,
                            request->property, utf8, 8, static_cast<uint32_t>(text.size()),
                            text.data());
        notify(request->requestor, clipboard, utf8, request->property, request->time);
      } else {
        notify(request->requestor, request->selection, request->target, XCB_ATOM_NONE,
               request->time);
      }
    } else if (type == XCB_SELECTION_NOTIFY && pendingSave.requestor != 0) {
      const Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(
          connection, xcb_get_property(connection, 1, window, stash, utf8, 0, 1 << 20), nullptr));
      if (property) {
        text.assign(static_cast<const char*>(xcb_get_property_value(property.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(property.get())));
      }
      xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
      notify(pendingSave.requestor, manager, saveTargets, pendingSave.property, pendingSave.time);
      pendingSave = {};
      std::printf("saved\n");
      std::fflush(stdout);
    }
  }
  return 0;
}
