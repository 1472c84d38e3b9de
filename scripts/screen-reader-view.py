#!/usr/bin/python3

# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader reads of a running tintra, through AT-SPI.

Run tintra with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on the same session bus
(dbus-run-session), then:

  scripts/screen-reader-view.py tree       every window: role, name, description;
                                           exits 1 when an interactive control
                                           has no name
  scripts/screen-reader-view.py preview    the preview's name and description
  scripts/screen-reader-view.py press NAME presses the button or menu item of
                                           that name, as a screen reader's user
                                           does

Needs Debian's python3-pyatspi, hence /usr/bin/python3.
"""

import sys
import time

import pyatspi

# Roles a player acts on, which a screen reader announces by their names.
INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE,
    pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_PAGE_TAB,
}

PRESSABLE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_MENU_ITEM}


def application():
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "tintra":
                return app
        time.sleep(0.2)
    sys.exit("no tintra on the accessibility bus")


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def tree(app):
    unnamed = 0
    for node, depth in walk(app):
        role = node.getRoleName()
        line = f"{'  ' * depth}{role}: {node.name!r}"
        if node.description:
            line += f" ({node.description!r})"
        if node.getRole() in INTERACTIVE and not node.name.strip():
            line += "  <-- no name"
            unnamed += 1
        print(line)
    print(f"{unnamed} interactive controls without a name")
    return 1 if unnamed else 0


def preview(app):
    for node, _ in walk(app):
        if node.name.startswith("Preview"):
            print(f"{node.name}: {node.description}")
            return 0
    print("no preview")
    return 1


def press(app, name):
    for node, _ in walk(app):
        if node.getRole() in PRESSABLE and node.name == name:
            node.queryAction().doAction(0)
            return 0
    print(f"no button or menu item {name!r}")
    return 1


def main():
    if len(sys.argv) < 2 or sys.argv[1] not in ("tree", "preview", "press"):
        sys.exit(__doc__)
    app = application()
    if sys.argv[1] == "tree":
        return tree(app)
    if sys.argv[1] == "preview":
        return preview(app)
    return press(app, sys.argv[2])


if __name__ == "__main__":
    sys.exit(main())
