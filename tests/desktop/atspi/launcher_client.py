#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives Aerolume the way a screen reader user's tools do, through the desktop's
accessibility bus only: starts the program, opens calculators from the launcher, finds
their fields by accessible name, enters values, presses the buttons, and reads the
results and an error back, checking that each new result and the error's appearance
are announced; ends with the launcher's Exit. Then opens a plan file given on the
command line and reads the navigation log's table, cells and headers.

Usage: launcher_client.py path/to/aerolume
Exits 0 when every check passed, 1 on the first failure (with what was expected)."""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

APPLICATION = "Aerolume"
TIMEOUT = 20.0

events = []


def record(event):
    events.append((event.type, event.source, event.detail1))


def pump(seconds=0.05):
    """Lets the bus deliver what is pending (events, replies) for a moment."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(what, test, since=None):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        result = test()
        if result:
            return result
        pump()
    if since is not None:
        for kind, source, detail in events[since:]:
            print("  event %s %r %d" % (kind, name_of(source), detail), flush=True)
    fail("timed out waiting for " + what)


watched = []  # the window whose controls a failure report lists


def describe(node, depth=1):
    for child in fresh(node):
        try:
            text = child.queryText().getText(0, -1) if "Text" in child.get_interfaces() else ""
            print("%s%s %r %r %r %s" % ("  " * depth, child.getRoleName(), child.name,
                                         child.description, text,
                                         "showing" if showing(child) else "hidden"))
            describe(child, depth + 1)
        except Exception as error:
            print("%s(%s)" % ("  " * depth, error))


def fail(message):
    print("FAIL: " + message, flush=True)
    print("events so far:")
    for kind, source, detail in events:
        print("  %s %r %d" % (kind, name_of(source), detail))
    for frame in watched[-1:]:
        print("the window '%s' now:" % name_of(frame))
        describe(frame)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)
    print("ok: " + message, flush=True)


def fresh(accessible):
    accessible.clear_cache()
    return accessible


def name_of(accessible):
    try:
        return fresh(accessible).name
    except Exception:  # gone from the bus
        return None


def showing(accessible):
    return fresh(accessible).getState().contains(pyatspi.STATE_SHOWING)


def find_all(root, name, roles, within=None):
    """The showing descendants of `root` (or of `within`), breadth first, with that
    accessible name and one of the roles."""
    found = []
    queue = [root if within is None else within]
    while queue:
        node = queue.pop(0)
        try:
            children = list(fresh(node))
        except Exception:  # gone from the bus meanwhile
            continue
        for child in children:
            if child is None:
                continue
            try:
                if (child.getRoleName() in roles and child.name == name
                        and child.getState().contains(pyatspi.STATE_SHOWING)):
                    found.append(child)
            except Exception:
                continue
            queue.append(child)
    return found


def find(root, name, roles, within=None):
    found = find_all(root, name, roles, within)
    return found[0] if found else None


def application():
    def found():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and name_of(app) == APPLICATION:
                return app
        return None

    return wait_for("the application " + APPLICATION + " on the accessibility bus", found)


def window(app, title):
    def found():
        for frame in app:
            if frame is not None and name_of(frame) == title and showing(frame):
                return frame
        return None

    return wait_for("the window '%s'" % title, found)


def field(frame, name, group=None):
    scope = None if group is None else wait_for(
        "the group '%s'" % group, lambda: find(frame, group, ("panel", "grouping", "filler")))
    found = wait_for("the field '%s'" % name,
                     lambda: find(frame, name, ("text", "entry", "editbar"), scope))
    return found


def enter(frame, name, text, group=None):
    edit = field(frame, name, group)
    edit.queryEditableText().setTextContents(text)
    wait_for("'%s' to read %r" % (name, text),
             lambda: edit.queryText().getText(0, -1) == text)


def press(frame, name, roles=("push button", "button", "radio button")):
    button = wait_for("the button '%s'" % name, lambda: find(frame, name, roles))
    actions = button.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    index = next((names.index(n) for n in ("Press", "press", "Toggle", "toggle") if n in names),
                 0)
    check(actions.doAction(index), "pressed %s (%s)" % (name, names[index]))


def labelled_by_another(accessible):
    return any(relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
               for relation in accessible.getRelationSet())


def result(frame, caption):
    """The result label named by its caption: the one the caption label labels, or the
    only label of that name."""

    def found():
        labels = find_all(frame, caption, ("label",))
        labelled = [label for label in labels if labelled_by_another(label)]
        if len(labelled) == 1:
            return labelled[0]
        return labels[0] if len(labels) == 1 else None

    return wait_for("the result '%s'" % caption, found)


def expect_results(frame, expected, started):
    """Each result named by its caption shows the value and was announced."""
    for caption, value in expected.items():
        label = result(frame, caption)
        wait_for("'%s' to say %r" % (caption, value),
                 lambda: fresh(label).description == value)
        check(fresh(label).description == value, "%s reads %s" % (caption, value))
        announced = wait_for(
            "the new %s to be announced" % caption,
            lambda: any(kind == "object:property-change:accessible-description"
                        and name_of(source) == caption
                        for kind, source, _ in events[started:]))
        check(announced, "%s announced its new value" % caption)


def expect_error(frame, message, started, hidden_result):
    announced = wait_for(
        "the error '%s' to be announced" % message,
        lambda: next((source for kind, source, shown in events[started:]
                      if kind == "object:state-changed:showing" and shown == 1
                      and name_of(source) == message), None), started)
    check(showing(announced), "the error '%s' shows and was announced" % message)
    check(not find_all(frame, hidden_result, ("label",)),
          "the results are hidden while '%s' shows" % message)


def open_from_launcher(app, button, title):
    launcher = window(app, "Aerolume v1.4")
    press(launcher, button)
    frame = window(app, title)
    watched.append(frame)
    wait_for("the launcher to hide", lambda: not showing(launcher))
    return frame


def close(app, frame):
    press(frame, "Close")
    window(app, "Aerolume v1.4")


def wind(app):
    frame = open_from_launcher(app, "Winds", "Wind")
    for name, text in (("Wind Direction:", "90"), ("Wind Speed:", "20"),
                       ("True Course:", "0"), ("True Airspeed:", "100")):
        enter(frame, name, text)
    started = len(events)
    press(frame, "Compute!")
    expect_results(frame, {"Ground Speed:": "98.", "True Heading:": "11.5°",
                           "WCA:": "11.5° Right"}, started)
    enter(frame, "Wind Direction:", "400")
    started = len(events)
    press(frame, "Compute!")
    expect_error(frame, "Invalid Wind Angle!", started, "Ground Speed:")
    close(app, frame)


def density_altitude(app):
    frame = open_from_launcher(app, "D-Alt", "Density Altitude")
    for name, text in (("MSL Altitude:", "5000"), ("Altimeter Setting:", "30.12"),
                       ("Temperature:", "25")):
        enter(frame, name, text)
    started = len(events)
    press(frame, "Compute!")
    expect_results(frame, {"Density Altitude:": "7039", "Pressure Altitude:": "4817"}, started)
    enter(frame, "Altimeter Setting:", "40")
    started = len(events)
    press(frame, "Compute!")
    expect_error(frame, "Invalid Altimeter!", started, "Density Altitude:")
    close(app, frame)


def latitude_longitude(app):
    frame = open_from_launcher(app, "Lat/Long", "Latitude/Longitude Navigation")
    points = (("Departure Latitude", ("33", "57", "0")),
              ("Departure Longitude", ("118", "24", "0")),
              ("Destination Latitude", ("40", "38", "0")),
              ("Destination Longitude", ("73", "47", "0")))
    for group, texts in points:
        for name, text in zip(("Deg", "Min", "Sec"), texts):
            enter(frame, name, text, group)
    press(frame, "N")  # the first N: the departure's
    started = len(events)
    press(frame, "Compute!")
    expect_results(frame, {"Great Circle Distance:": "2143.73 NM",
                           "Great Circle True Course:": "65.89°",
                           "Rhumb line True Course:": "79.32°",
                           "Rhumb line Distance:": "2164.58 NM"}, started)
    enter(frame, "Deg", "89", "Destination Latitude")
    enter(frame, "Min", "61", "Destination Latitude")
    started = len(events)
    press(frame, "Compute!")
    expect_error(frame, "Destination Latitude beyond the pole!", started,
                 "Great Circle Distance:")
    close(app, frame)


PLAN = """{"format": "aerolume-plan", "version": 1, "name": "Equator run",
 "defaults": {"altitudeFt": 4500, "trueAirspeedKt": 120, "windDirectionDeg": 0,
              "windSpeedKt": 0, "variationDeg": -10, "fuelUnit": "USgal",
              "fuelFlowPerHour": 8, "fuelAtStart": 40, "taxiFuel": 1, "reserveMinutes": 45},
 "checkpoints": [{"name": "Home", "latitudeDeg": 0, "longitudeDeg": 0},
                 {"name": "East", "latitudeDeg": 0, "longitudeDeg": 1},
                 {"name": "Far", "latitudeDeg": 0, "longitudeDeg": 2,
                  "leg": {"windDirectionDeg": 90, "windSpeedKt": 150}}]}"""


def navigation_log(program_path):
    """A plan given on the command line opens in the navigation log, whose table a
    screen reader reads cell by cell with each column's header."""
    with tempfile.TemporaryDirectory() as folder:
        plan = os.path.join(folder, "equator.aerolume-plan")
        with open(plan, "w", encoding="utf-8") as out:
            out.write(PLAN)
        program = subprocess.Popen([program_path, plan])
        try:
            app = application()
            frame = window(app, "Navigation Log - equator.aerolume-plan")
            watched.append(frame)
            table = wait_for("the table 'Checkpoints'",
                             lambda: find(frame, "Checkpoints", ("table", "tree table")))
            cells = table.queryTable()
            check(cells.nRows == 4,
                  "the table has a row per checkpoint and one to type the next (%d)" % cells.nRows)
            headers = [cells.getColumnHeader(column).name for column in range(cells.nColumns)]
            for header in ("Checkpoint", "True course", "Leg distance", "Time en route",
                           "Fuel remaining"):
                check(header in headers, "the table has the column '%s'" % header)
            expected = {(1, "Checkpoint"): "East", (1, "True course"): "090°",
                        (1, "Leg distance"): "60.0 NM", (1, "Magnetic heading"): "100°",
                        (2, "Time en route"): "unknown", (2, "Fuel remaining"): "unknown",
                        (3, "Checkpoint"): "Type the next checkpoint"}
            for (row, header), text in expected.items():
                cell = cells.getAccessibleAt(row, headers.index(header))
                check(cell.name == text,
                      "row %d, %s reads %r (%r)" % (row + 1, header, text, cell.name))
        finally:
            program.terminate()
            program.wait(timeout=10)


def airport_information(app):
    """The Airport window from the Compute menu: EGTK typed and Enter, its runways and
    the wind on them read as tables, cell by cell with the column headers."""
    launcher = window(app, "Aerolume v1.4")
    menu = wait_for("the menu 'Compute'", lambda: find(launcher, "Compute", ("menu", "menu item")))
    menu.queryAction().doAction(0)
    pump(0.5)
    entry = wait_for("the menu entry 'Airport Information...'",
                     lambda: find(app, "Airport Information...", ("menu item",)))
    check(entry.queryAction().doAction(0), "chose Compute, Airport Information...")
    frame = window(app, "Airport Information")
    watched.append(frame)
    enter(frame, "Identifier or name:", "EGTK")
    field(frame, "Identifier or name:").queryComponent().grabFocus()
    pump(0.3)
    pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)

    def table_reads(name, header, row, text):
        table = wait_for("the table '%s'" % name, lambda: find(frame, name, ("table",)))
        cells = table.queryTable()
        headers = [cells.getColumnHeader(c).name for c in range(cells.nColumns)]
        check(header in headers, "the table '%s' has the column '%s'" % (name, header))
        wait_for("%s row %d to read %r" % (name, row + 1, text),
                 lambda: fresh(table).queryTable().nRows > row and
                 fresh(table).queryTable().getAccessibleAt(row, headers.index(header)).name == text)
        check(True, "%s, row %d, %s reads %r" % (name, row + 1, header, text))

    table_reads("Runways", "Runway", 0, "01/19")
    table_reads("Runways", "True headings", 0, "011° / 191°")
    for name, text in (("Wind direction (° magnetic):", "190"), ("Wind speed (kt):", "12")):
        enter(frame, name, text)
    press(frame, "Compute!")
    table_reads("Wind on every runway end", "Headwind", 1, "12 kt headwind")
    close(app, frame)


def main():
    # Listening first: the program learns at its start which events anyone wants.
    for kind in ("object:property-change:accessible-description",
                 "object:property-change:accessible-name", "object:state-changed:showing"):
        pyatspi.Registry.registerEventListener(record, kind)
    pump(0.5)
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = application()
        check(True, "found %s on the accessibility bus" % APPLICATION)
        wind(app)
        density_altitude(app)
        latitude_longitude(app)
        airport_information(app)
        launcher = window(app, "Aerolume v1.4")
        press(launcher, "Exit")
        try:
            program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            fail("the program did not end on Exit")
        check(program.returncode == 0, "the program ended on Exit")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    navigation_log(sys.argv[1])
    print("all accessibility checks passed", flush=True)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main())
