#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
"""Walks every window of the dialog gallery through the accessibility bus, as a screen reader
does, and checks each control against the gallery's manifest: it is there with the expected
role, it has a name or a text, it says what it shows, and a value control gives its value and
range. Every window advertises one fixed size, which a window manager neither maximises nor
lets the user change. A control's place on the bus is where X draws it, and a click at the centre the bus gives for a
push button, check box or radio lands on that control: the pointer, moved there, is over the
control's window, at a point of the window inside the control. Prints the walk as a listener
would hear it.

Before the walk the gallery's panel is hidden and shown again, as after the program's start.
The windows are then walked from the topmost down, each closed once walked, so that the pointer
reaches every window in turn.

usage: walk.py MANIFEST STEPS (the gallery's standard output and a pipe to its standard input)
"""
import json
import subprocess
import sys
import time

import pyatspi

APP_NAME = "tocklet"
DEADLINE_S = 60  # for the windows to appear and settle on a loaded machine


def load_manifest(path):
    with open(path, encoding="utf-8") as f:
        return [json.loads(line[len("window "):]) for line in f if line.startswith("window ")]


def said(path, word):
    with open(path, encoding="utf-8") as f:
        return any(line.strip() == word for line in f)


def wait_for(what, test, limit=DEADLINE_S):
    deadline = time.monotonic() + limit
    while not test():
        if time.monotonic() > deadline:
            raise SystemExit("gave up waiting for " + what)
        time.sleep(0.05)


def x(*command):
    return subprocess.run(command, capture_output=True, text=True, check=False).stdout


def xwininfo(xid):
    """The window's absolute client origin, map state and parent, as X has them."""
    info = {}
    for line in x("xwininfo", "-stats", "-children", "-id", str(xid)).splitlines():
        line = line.strip()
        if line.startswith("Absolute upper-left X:"):
            info["x"] = int(line.split(":")[1])
        elif line.startswith("Absolute upper-left Y:"):
            info["y"] = int(line.split(":")[1])
        elif line.startswith("Map State:"):
            info["state"] = line.split(":")[1].strip()
        elif line.startswith("Parent window id:"):
            info["at_root"] = "(the root window)" in line
    return info


def viewable(xid):
    return xwininfo(xid).get("state") == "IsViewable"


def withdrawn(xid):
    """Unmapped and handed back to the root window by any window manager."""
    info = xwininfo(xid)
    return info.get("state") == "IsUnMapped" and info.get("at_root", False)


def window_under(px, py):
    """The top-level window X finds under the pointer moved to (px, py) (a window manager's
    frame, or the window itself), and where the pointer is."""
    out = x("xdotool", "mousemove", "--sync", str(px), str(py), "getmouselocation", "--shell")
    values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
    return int(values.get("WINDOW", "0")), (int(values.get("X", -1)), int(values.get("Y", -1)))


def holds(top, xid):
    """The top-level window is xid, or the frame a window manager put around it."""
    if top == xid:
        return True
    return ("0x%x " % xid) in x("xwininfo", "-tree", "-id", str(top))


def inside(point, rect):
    return rect[0] <= point[0] < rect[0] + rect[2] and rect[1] <= point[1] < rect[1] + rect[3]


CLICKABLE = ("push button", "check box", "radio button")


def check_fixed_size(window):
    """A problem with how the window tells its fixed size to a window manager, or None: equal
    minimum and maximum sizes, and, where a window manager manages it, no maximising or
    resizing among the actions it allows."""
    hints = x("xprop", "-id", window["xid"], "WM_NORMAL_HINTS", "_NET_WM_ALLOWED_ACTIONS")
    sizes = {}
    for line in hints.splitlines():
        line = line.strip()
        for which in ("minimum", "maximum"):
            if line.startswith("program specified %s size:" % which):
                sizes[which] = line.split(":")[1].strip()
    if "minimum" not in sizes or sizes.get("minimum") != sizes.get("maximum"):
        return "%s: size hints %s, not one fixed size" % (window["window"], sizes)
    allowed = [a for a in ("_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT",
                           "_NET_WM_ACTION_RESIZE") if a in hints]
    if allowed:
        return "%s: the window manager allows %s" % (window["window"], ", ".join(allowed))
    return None


def check_on_screen(window, control, node):
    """A problem with where the bus puts the control against where X draws it, or None."""
    origin = xwininfo(window["xid"])
    if "x" not in origin:
        return "window %s is not on the X server" % window["xid"]
    drawn = [origin["x"] + control["local"][0], origin["y"] + control["local"][1]] + \
        control["local"][2:]
    reported = list(extents(node))
    # A check box or radio gives its mark and caption only, which may end before the control.
    if not near(reported[:2], drawn[:2]) or reported[2] > drawn[2] + 1 or \
            reported[3] > drawn[3] + 1:
        return "%s %r reported at %s, drawn at %s" % (control["role"], node.name or "",
                                                       reported, drawn)
    if control["role"] not in CLICKABLE:
        return None
    centre = (reported[0] + reported[2] // 2, reported[1] + reported[3] // 2)
    under, pointer = window_under(*centre)
    if pointer != centre:
        return "the pointer did not reach %s" % (centre,)
    if not holds(under, int(window["xid"])):
        return "%s %r: a click at %s lands on window %d, not on its own %s" % (
            control["role"], node.name or "", centre, under, window["xid"])
    at = (centre[0] - origin["x"], centre[1] - origin["y"])
    if not inside(at, control["local"]):
        return "%s %r: a click at %s lands at %s of its window, outside %s" % (
            control["role"], node.name or "", centre, at, control["local"])
    return None


def safe(call, default=None):
    try:
        return call()
    except Exception:  # a node that went away or lacks the interface
        return default


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def text_of(node):
    return safe(lambda: node.queryText().getText(0, -1), "")


def value_of(node):
    def read():
        v = node.queryValue()
        return (v.minimumValue, v.maximumValue, v.currentValue)
    return safe(read)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(node):
    return safe(lambda: node.getState().contains(pyatspi.STATE_SHOWING), False)


def find_windows(names):
    """The application's shown windows by name, once every name has one, or None. (A dialog
    built but never shown, as the panel's own password prompt, is on the bus too.)"""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != APP_NAME:
            continue
        found = {w.name: w for w in app if w is not None and showing(w)}
        if all(name in found for name in names):
            return found
    return None


def near(a, b):
    return all(abs(x - y) <= 1 for x, y in zip(a, b))


def heard(node, role):
    """One line as a screen reader would say the control."""
    parts = [node.name or "", role]
    text = text_of(node)
    if text and text != node.name:
        parts.append(text)
    value = value_of(node)
    if value is not None:
        parts.append("%g (%g 到 %g)" % (value[2], value[0], value[1]))
    if node.description:
        parts.append("说明: " + node.description)
    return ", ".join(parts)


def check_control(window, control, nodes, offset):
    """(problem or None, line heard) for one control of the manifest."""
    want = [v + d for v, d in zip(control["rect"], offset + (0, 0))]
    there = [(n, r) for n, r in nodes if near(r, want)]
    matches = [n for n, r in there if r_role(n) == control["role"]]
    if not matches:
        roles = sorted({r_role(n) for n, _ in there})
        return ("%s at %s: found %s" % (control["role"], want, roles or "nothing"), None)
    node = matches[0]
    line = heard(node, control["role"])
    name, text, shows = node.name or "", text_of(node), control["shows"]
    if not name and not text:
        return ("%s at %s has neither name nor text" % (control["role"], want), line)
    if shows:
        said = [name, text] + [c.name for c in descendants(node)] + \
               [text_of(c) for c in descendants(node)]
        if shows not in said:
            return ("%s shows %r but says %r" % (control["role"], shows, said[:2]), line)
    if "value" in control:
        value = value_of(node)
        if value is None or [round(v) for v in value] != control["value"]:
            return ("%s %r: value %s, expected %s" % (control["role"], name, value,
                                                      control["value"]), line)
    return (check_on_screen(window, control, node), line)


def r_role(node):
    return safe(node.getRoleName, "")


def walk_window(window, windows):
    problems, lines = [], []
    node = windows[window["window"]]
    lines.append("== %s, %s" % (node.name, r_role(node)))
    if not node.name:
        problems.append("a window has no name")
    at = extents(node)
    offset = tuple(a - m for a, m in zip(at[:2], window["rect"][:2]))
    nodes = [(n, safe(lambda n=n: extents(n), (0, 0, 0, 0))) for n in descendants(node)]
    for control in window["controls"]:
        problem, line = check_control(window, control, nodes, offset)
        if line:
            lines.append("   " + line)
        if problem:
            problems.append("%s: %s" % (window["window"], problem))
    return problems, lines


def walk_settled(window, names):
    """Walks one window once it is on the bus and says what it should, or the deadline ends."""
    deadline = time.monotonic() + DEADLINE_S
    while True:
        windows = safe(lambda: find_windows(names))
        problems, lines = (walk_window(window, windows) if windows else
                           (["windows not on the bus yet: %s" % names], []))
        if not problems or time.monotonic() > deadline:
            return problems, lines
        time.sleep(1)


def main():
    manifest_path, steps_path = sys.argv[1], sys.argv[2]
    steps = open(steps_path, "w", encoding="utf-8", buffering=1)
    wait_for("the panel", lambda: said(manifest_path, "panel"))
    # The panel as the user meets it: shown, hidden, and shown again from the icon.
    def shown_panel():
        return [w for w in x("xdotool", "search", "--name", "^超级守时鸟").split() if viewable(w)]
    wait_for("the panel shown", shown_panel)
    panel = shown_panel()
    placed = xwininfo(panel[0])
    steps.write("hide\n")
    wait_for("the panel hidden", lambda: withdrawn(panel[0]))
    steps.write("show\n")
    wait_for("the panel shown again", lambda: viewable(panel[0]))
    # Shown again where it was, before any window manager's placement could differ.
    again = xwininfo(panel[0])
    moved = [] if (again["x"], again["y"]) == (placed["x"], placed["y"]) else [
        "the panel came back at (%d, %d), not where it was at (%d, %d)" % (
            again["x"], again["y"], placed["x"], placed["y"])]
    steps.write("open\n")
    wait_for("the gallery's windows", lambda: said(manifest_path, "ready"))

    manifest = load_manifest(manifest_path)
    if not manifest:
        print("the gallery described no window")
        return 1
    names = [w["window"] for w in manifest]
    # The dialogs from the topmost down, each closed once walked; then the panel and its clock.
    order = [w for w in reversed(manifest) if w["closable"]] + [w for w in manifest
                                                                if not w["closable"]]
    problems, lines = moved, []
    for window in order:
        # As a user brings a window up from the task bar: a window manager keeps a pop-up that
        # opened while another window had the focus below that window.
        x("xdotool", "windowactivate", "--sync", window["xid"])
        found, heard_lines = walk_settled(window, names)
        fixed = check_fixed_size(window)
        if fixed:
            found.append(fixed)
        for problem in found:
            print("PROBLEM:", problem, file=sys.stderr, flush=True)
        problems += found
        lines += heard_lines
        if window["closable"]:
            steps.write("close\n")
            wait_for("%s closed" % window["window"], lambda: not viewable(window["xid"]))
            names.remove(window["window"])
    print("\n".join(lines))
    controls = sum(len(w["controls"]) for w in manifest)
    for problem in problems:
        print("PROBLEM:", problem)
    print("walked %d windows, %d controls: %d problems" % (len(manifest), controls, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
