#!/usr/bin/python3
"""The main window's tabs as a screen reader sees them: lists the page tab list of the running
TAVO over AT-SPI, checks that it holds the fourteen tabs by name with their tooltips, presses
"Volts" through its action and checks that it is then the selected tab.

Run by scripts/atspi-tabs, which starts the program under a private Xvfb and AT-SPI bus."""

import sys
import time

import pyatspi

TABS = ["Motor", "Watts", "Amps", "Volts", "Resistance", "Xformer", "Ground", "Boxes",
        "Conduit", "Motor Data", "Ampacity", "Volt Drop", "Histories", "Conversions"]


def find_application(name, seconds=90):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def find_all(node, role, found, depth=0):
    if node is None or depth > 12:
        return found
    if node.getRole() == role:
        found.append(node)
    for child in node:
        find_all(child, role, found, depth + 1)
    return found


def main_tab_list(app):
    """The window's own tab row; the Motor page's inner tabs are a page tab list too."""
    lists = find_all(app, pyatspi.ROLE_PAGE_TAB_LIST, [])
    for tab_list in lists:
        if tab_list.name == "Calculators":
            return tab_list
    return None


def selected(tab):
    return tab.getState().contains(pyatspi.STATE_SELECTED)


def main():
    app = find_application("tavo")
    if app is None:
        print("FAIL: no application named tavo on the accessibility bus")
        return 1
    tab_list = None
    deadline = time.time() + 60
    while tab_list is None and time.time() < deadline:
        tab_list = main_tab_list(app)
        if tab_list is None:
            time.sleep(0.2)
    if tab_list is None:
        print('FAIL: no page tab list "Calculators" in the window')
        return 1
    tabs = [tab_list.getChildAtIndex(i) for i in range(tab_list.childCount)]
    print(f'page tab list "{tab_list.name}" with {len(tabs)} page tabs:')
    for tab in tabs:
        mark = "  (selected)" if selected(tab) else ""
        print(f"  {tab.getRoleName():9} {tab.name!r:14} {tab.description!r}{mark}")
    names = [tab.name for tab in tabs]
    failures = []
    if names != TABS:
        failures.append(f"tabs are {names}")
    if any(tab.getRole() != pyatspi.ROLE_PAGE_TAB for tab in tabs):
        failures.append("a tab is not a page tab")
    if failures:
        print("FAIL: " + "; ".join(failures))
        return 1
    volts = tabs[TABS.index("Volts")]
    action = volts.queryAction()
    action_names = [action.getName(i) for i in range(action.nActions)]
    print(f"actions of Volts: {action_names}")
    action.doAction(0)
    deadline = time.time() + 10
    while not selected(volts) and time.time() < deadline:
        time.sleep(0.1)
    now = [tab.name for tab in tabs if selected(tab)]
    print(f"selected after pressing Volts: {now}")
    if now != ["Volts"]:
        print("FAIL: pressing Volts did not select it alone")
        return 1
    # The page it opened can be read too: its fields and result by their names, on screen (the
    # Motor page, hidden now, has an "Amps" of its own).
    wanted = {"Ohms": pyatspi.ROLE_TEXT, "Amps": pyatspi.ROLE_TEXT,
              "Ohms spinner": pyatspi.ROLE_SPIN_BUTTON, "Volts": pyatspi.ROLE_TEXT}
    found = {}
    deadline = time.time() + 10
    while len(found) < len(wanted) and time.time() < deadline:
        for role in set(wanted.values()):
            for node in find_all(app, role, []):
                showing = node.getState().contains(pyatspi.STATE_SHOWING)
                if node.name in wanted and wanted[node.name] == role and showing:
                    found[node.name] = node
        time.sleep(0.1)
    print("on the Volts page: " + ", ".join(
        f"{name!r} ({node.getRoleName()})" for name, node in sorted(found.items())))
    missing = sorted(set(wanted) - set(found))
    if missing:
        print(f"FAIL: not found on the Volts page: {missing}")
        return 1
    print("15 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
