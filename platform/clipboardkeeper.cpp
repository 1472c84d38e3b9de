// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/clipboardkeeper.h"

#include <QClipboard>
#include <QGuiApplication>

#ifdef TINTRA_X11_CLIPBOARD
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace platform {
#ifdef TINTRA_X11_CLIPBOARD
namespace {

struct FreeDeleter {
  void operator()(void* pointer) const {
    std::free(pointer);
  }  // NOLINT(cppcoreguidelines-no-malloc)
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

bool clipboardManagerRunning(xcb_connection_t* connection) {
  static constexpr char kManager[] = "CLIPBOARD_MANAGER";
  const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 1, std::strlen(kManager), kManager), nullptr));
  if (!atom || atom->atom == XCB_ATOM_NONE) {
    return false;
  }
  const XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
  return owner && owner->owner != XCB_WINDOW_NONE;
}

}  // namespace
#endif

bool clipboardNeedsServing() {
#ifdef TINTRA_X11_CLIPBOARD
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) {
    return false;
  }
  return QGuiApplication::clipboard()->ownsClipboard() &&
         !clipboardManagerRunning(x11->connection());
#else
  return false;
#endif
}

void quitWhenClipboardTaken() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  QGuiApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(clipboard, &QClipboard::changed, qGuiApp, [clipboard](QClipboard::Mode mode) {
    if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) {
      QCoreApplication::exit(0);
    }
  });
  if (!clipboard->ownsClipboard()) {
    QCoreApplication::exit(0);
  }
}

}  // namespace platform
