#!/usr/bin/python3
"""Every window of TAVO as a screen reader sees it: each of the fourteen tabs opened in turn
with no control left without a name and no window role inside a page; the Volt Drop warning
colour also given in words; the floating Histories window a frame whose lines read as a list,
kept in step as two histories arrive; the Help window a frame with a named document; the
Conduit warning an alert; the menu's two settings check boxes with their state.

Run by scripts/atspi-tabs, after tabs.py, with xdotool at hand for the menu's key."""

import os
import sys
import time

import pyatspi

from tabs import TABS, find_all, find_application

# Roles a user operates or reads: each needs a name.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_IMAGE, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_DOCUMENT_FRAME,
}
WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG,
                pyatspi.ROLE_ALERT}

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)
    return condition


def wait_for(probe, seconds=10):
    deadline = time.time() + seconds
    while True:
        found = probe()
        if found or time.time() > deadline:
            return found
        time.sleep(0.1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, depth=0):
    """Every node under `node` that is on screen, with `node` itself."""
    if node is None or depth > 25:
        return
    yield node
    for child in node:
        if child is not None and showing(child):
            yield from walk(child, depth + 1)


def top_level(app, name, roles):
    """The newest showing window of that name; a window closed a moment ago may linger."""
    found = None
    for window in app:
        try:
            if window.name == name and window.getRole() in roles and showing(window):
                found = window
        except Exception:  # gone while we looked
            continue
    return found


def named(node, role, name):
    try:
        for found in walk(node):
            if found.getRole() == role and found.name.strip() == name:
                return found
    except Exception:  # gone while we looked
        return None
    return None


def labelled(node, role, label):
    """A control named `label`, or labelled by a label of that text (a combo box's name on
    Linux is its value; its label reaches a screen reader through the relation)."""
    for found in walk(node):
        if found.getRole() != role:
            continue
        if found.name.strip() == label:
            return found
        for relation in found.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and any(
                    relation.getTarget(i).name.replace("&", "") == label
                    for i in range(relation.getNTargets())):
                return found
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "Toggle"):
            action.doAction(i)
            return
    raise RuntimeError(f"{node.name} has no press action")


def type_into(window, field_name, text, then):
    """Types into the edit named `field_name` and leaves it for `then`, which commits it."""
    edit = named(window, pyatspi.ROLE_TEXT, field_name)
    if not check(edit is not None, f'an edit named "{field_name}"'):
        return
    edit.queryComponent().grabFocus()
    edit.queryEditableText().setTextContents(text)
    then.queryComponent().grabFocus()


def unnamed_and_windows(window):
    unnamed, windows = [], []
    for node in walk(window):
        role = node.getRole()
        if node is not window and role in WINDOW_ROLES:
            windows.append(f"{node.getRoleName()} {node.name!r}")
        if role in NAMED_ROLES and not node.name.strip():
            parent = node.parent
            unnamed.append(f"{node.getRoleName()} in {parent.getRoleName()} {parent.name!r}")
    return unnamed, windows


def check_tabs(main):
    tab_list = next(t for t in find_all(main, pyatspi.ROLE_PAGE_TAB_LIST, [])
                    if t.name == "Calculators")
    for index, label in enumerate(TABS):
        tab = tab_list.getChildAtIndex(index)
        press(tab)
        wait_for(lambda: tab.getState().contains(pyatspi.STATE_SELECTED))
        time.sleep(0.3)
        unnamed, windows = unnamed_and_windows(main)
        check(not unnamed, f"{label}: every control named" + (f" (not {unnamed})" if unnamed else ""))
        check(not windows, f"{label}: no window inside" + (f" (found {windows})" if windows else ""))


def check_warning_colour(main):
    tab_list = next(t for t in find_all(main, pyatspi.ROLE_PAGE_TAB_LIST, [])
                    if t.name == "Calculators")
    press(tab_list.getChildAtIndex(TABS.index("Volt Drop")))
    amps = wait_for(lambda: named(main, pyatspi.ROLE_TEXT, "Amps"))
    type_into(main, "Length In Feet", "2000", then=amps)

    def warned():
        return [n for n in walk(main) if n.getRole() == pyatspi.ROLE_TEXT
                and n.description == "above 3 per cent"]
    found = wait_for(warned)
    check(bool(found), 'Volt Drop: a red percentage described "above 3 per cent"'
          + (f" ({found[0].name})" if found else ""))
    type_into(main, "Length In Feet", "20", then=amps)
    check(wait_for(lambda: not warned()), "Volt Drop: the description goes with the colour")


def history_lines(app):
    floating = top_level(app, "Histories", {pyatspi.ROLE_FRAME})
    if floating is None:
        return None
    lists = [n for n in walk(floating) if n.getRole() == pyatspi.ROLE_LIST]
    if not lists:
        return None
    return [item.name for item in lists[0] if item.getRole() == pyatspi.ROLE_LIST_ITEM]


def reports_command(app, main, button):
    press(named(main, pyatspi.ROLE_PUSH_BUTTON, "Reports"))
    dialog = wait_for(lambda: top_level(app, "Reports", {pyatspi.ROLE_DIALOG}))
    if check(dialog is not None, "the Reports dialog opens as a dialog"):
        press(wait_for(lambda: named(dialog, pyatspi.ROLE_PUSH_BUTTON, button)))


def check_floating_window(app, main):
    reports_command(app, main, "Floating History Window")
    floating = wait_for(lambda: top_level(app, "Histories", {pyatspi.ROLE_FRAME}))
    if not check(floating is not None, 'the floating window is a frame named "Histories"'):
        return
    unnamed, windows = unnamed_and_windows(floating)
    check(not unnamed, "the floating window's controls are named" + (f" (not {unnamed})" if unnamed else ""))
    seen = []
    for count in (2, 4):
        reports_command(app, main, "Add To Histories")
        lines = wait_for(lambda: (history_lines(app) or [None] * 9)
                         if len(history_lines(app) or []) == count else None)
        seen = lines or history_lines(app) or []
        check(len(seen) == count, f"the floating window reads {count} lines: {seen}")
    if len(seen) == 4:
        check(all(seen) and seen[0] == seen[2] and seen[1] == seen[3],
              "each history reads as its header and its report")


def check_help(app, main):
    press(named(main, pyatspi.ROLE_PUSH_BUTTON, "Help"))
    help_window = wait_for(lambda: top_level(app, "TAVO Help", {pyatspi.ROLE_FRAME}))
    if not check(help_window is not None, 'the Help window is a frame named "TAVO Help"'):
        return
    documents = wait_for(lambda: [n for n in walk(help_window)
                                  if n.getRole() == pyatspi.ROLE_DOCUMENT_FRAME])
    if check(bool(documents), "the Help window holds a document"):
        text = documents[0].queryText()
        words = text.getText(0, min(text.characterCount, 400))
        check(bool(documents[0].name) and "TAVO" in words,
              f"the help document is named ({documents[0].name!r}) and reads: {words[:60]!r}")
    unnamed, _ = unnamed_and_windows(help_window)
    check(not unnamed, "the Help window's controls are named" + (f" (not {unnamed})" if unnamed else ""))
    press(named(help_window, pyatspi.ROLE_PUSH_BUTTON, "Close"))


def check_conduit_alert(app, main):
    tab_list = next(t for t in find_all(main, pyatspi.ROLE_PAGE_TAB_LIST, [])
                    if t.name == "Calculators")
    press(tab_list.getChildAtIndex(TABS.index("Conduit")))
    count = wait_for(lambda: named(main, pyatspi.ROLE_TEXT, "# Conductors"))
    wire = labelled(main, pyatspi.ROLE_COMBO_BOX, "Wire Size")
    if not check(count is not None and wire is not None, "Conduit: # Conductors and Wire Size"):
        return
    # A combo box has no focus action of its own: the button takes the focus instead.
    more = named(main, pyatspi.ROLE_PUSH_BUTTON, "More Conductors")
    type_into(main, "# Conductors", "500", then=more)
    alert = wait_for(lambda: top_level(app, "Korlath Designs", {pyatspi.ROLE_ALERT}))
    if check(alert is not None, "the too-many warning opens as an alert"):
        check("Too Many Conductors" in alert.description,
              f"the alert says why: {alert.description!r}")
        press(named(alert, pyatspi.ROLE_PUSH_BUTTON, "Reset"))


def open_menu_by_keyboard():
    """Opens the menu with Alt+M, as a keyboard user does, and returns the popup menu. Qt keeps
    popups out of the application's windows: a screen reader meets the menu through the event
    that it is showing. A key sent while the window is still taking the focus may be lost, so
    it is sent again."""
    from gi.repository import GLib
    shown = []

    def on_showing(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_POPUP_MENU:
            shown.append(event.source)
            pyatspi.Registry.stop()

    attempts = [0]

    def send_keys():
        if shown or attempts[0] == 3:
            pyatspi.Registry.stop()
            return False
        attempts[0] += 1
        # At a typist's pace: keys queued all at once behind a busy machine can reach the
        # menu as it opens and close it again.
        os.system("xdotool keydown alt; sleep 0.3; xdotool key m; sleep 0.3; xdotool keyup alt")
        return True

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    GLib.timeout_add(100, lambda: (send_keys(), False)[1])
    GLib.timeout_add(5000, send_keys)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_showing, "object:state-changed:showing")
    return shown[0] if shown else None


def check_menu():
    menu = open_menu_by_keyboard()
    if not check(menu is not None, "Alt+M opens the menu"):
        return
    items = {item.name: item for item in menu}
    print(f"menu {menu.name!r}: " + ", ".join(f"{i.getRoleName()} {n!r}" for n, i in items.items()))
    check(menu.name == "Menu", f'the menu is named "Menu" ({menu.name!r})')
    for name in ("Splash Screen", "Animate On"):
        item = items.get(name)
        if check(item is not None and item.getRole() == pyatspi.ROLE_CHECK_BOX,
                 f'"{name}" is a check box in the menu'):
            state = item.getState()
            print(f'  "{name}" checked: {state.contains(pyatspi.STATE_CHECKED)}')
    check(items.get("Animate On") is not None and
          items["Animate On"].getState().contains(pyatspi.STATE_CHECKED),
          '"Animate On" reads checked, as the settings file has it')
    check(items.get("Splash Screen") is not None and
          not items["Splash Screen"].getState().contains(pyatspi.STATE_CHECKED),
          '"Splash Screen" reads not checked')
    # Escape on the main window would end the program: only while the menu has the keyboard.
    if check(showing(menu), "the menu stays open while it is read"):
        os.system("xdotool key Escape")
        check(wait_for(lambda: not showing(menu)), "Escape closes the menu")


def main():
    app = find_application("tavo")
    if app is None:
        print("FAIL: no application named tavo on the accessibility bus")
        return 1
    main_window = wait_for(lambda: top_level(app, "Korlath Designs", {pyatspi.ROLE_DIALOG}), 60)
    if main_window is None:
        print("FAIL: no main window")
        return 1
    # The main window keeps the keyboard for the checks that type, then the others open.
    check_tabs(main_window)
    check_warning_colour(main_window)
    wait_for(lambda: main_window.getState().contains(pyatspi.STATE_ACTIVE))
    check_menu()
    check_conduit_alert(app, main_window)
    check_floating_window(app, main_window)
    check_help(app, main_window)
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
