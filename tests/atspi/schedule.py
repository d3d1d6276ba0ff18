#!/usr/bin/python3
"""The circuit schedule window as a screen reader sees it: a table named "Circuits" with its
column headers and cell texts, and the trace pane as text. TAVO runs with a schedule file.

Run by scripts/atspi-tabs, after tabs.py, with the program started on a schedule."""

import sys
import time

import pyatspi

from tabs import find_all, find_application

HEADERS = ["Circuit", "Load", "System", "Volts", "Length ft", "Raceway ID", "Status", "Load Amps"]


def main():
    app = find_application("tavo")
    if app is None:
        print("FAIL: no application named tavo on the accessibility bus")
        return 1
    table = None
    deadline = time.time() + 60
    while table is None and time.time() < deadline:
        tables = [t for t in find_all(app, pyatspi.ROLE_TABLE, []) if t.name == "Circuits"]
        table = tables[0] if tables else None
        if table is None:
            time.sleep(0.2)
    if table is None:
        print('FAIL: no table "Circuits" in the schedule window')
        return 1
    cells = table.queryTable()
    headers = [cells.getColumnHeader(c).name for c in range(len(HEADERS))]
    print(f'table "{table.name}": {cells.nRows} rows, {cells.nColumns} columns')
    print(f"  first column headers: {headers}")
    rows = [[cells.getAccessibleAt(r, c).name for c in range(len(HEADERS))]
            for r in range(cells.nRows)]
    for row in rows:
        print(f"  {row}")
    failures = []
    if headers != HEADERS:
        failures.append(f"headers are {headers}")
    if cells.nRows != 2:
        failures.append(f"{cells.nRows} rows")
    if rows and (rows[0][0] != "A1" or rows[0][6] != "OK"):
        failures.append(f"first row reads {rows[0]}")
    if len(rows) > 1 and not rows[1][6].startswith("invalid load"):
        failures.append(f"second row's status reads {rows[1][6]!r}")
    traces = [t for t in find_all(app, pyatspi.ROLE_TEXT, []) if t.name == "Trace"]
    trace = traces[0].queryText().getText(0, -1) if traces else ""
    print(f"  trace: {len(trace)} characters, ends {trace[-40:]!r}")
    if "Status: OK" not in trace:
        failures.append("the trace pane does not read as text with the trace")
    if failures:
        print("FAIL: " + "; ".join(failures))
        return 1
    print("4 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
