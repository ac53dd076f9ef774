#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
"""Walks every window of the dialog gallery through the accessibility bus, as a screen reader
does, and checks each control against the gallery's manifest: it is there with the expected
role, it has a name or a text, it says what it shows, and a value control gives its value and
range. Prints the walk as a listener would hear it.

usage: walk.py MANIFEST
"""
import json
import sys
import time

import pyatspi

APP_NAME = "tocklet"
DEADLINE_S = 60  # for the windows to appear and settle on a loaded machine


def load_manifest(path):
    with open(path, encoding="utf-8") as f:
        return [json.loads(line[len("window "):]) for line in f if line.startswith("window ")]


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


def find_windows(names):
    """The application's windows by name, once every name has one, or None."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != APP_NAME:
            continue
        found = {w.name: w for w in app if w is not None}
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


def check_control(control, nodes, offset):
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
        if value is None or [round(x) for x in value] != control["value"]:
            return ("%s %r: value %s, expected %s" % (control["role"], name, value,
                                                      control["value"]), line)
    return (None, line)


def r_role(node):
    return safe(node.getRoleName, "")


def walk(manifest, windows):
    problems, lines = [], []
    for window in manifest:
        node = windows[window["window"]]
        lines.append("== %s, %s" % (node.name, r_role(node)))
        if not node.name:
            problems.append("a window has no name")
        at = extents(node)
        offset = tuple(a - m for a, m in zip(at[:2], window["rect"][:2]))
        nodes = [(n, safe(lambda n=n: extents(n), (0, 0, 0, 0))) for n in descendants(node)]
        for control in window["controls"]:
            problem, line = check_control(control, nodes, offset)
            if line:
                lines.append("   " + line)
            if problem:
                problems.append("%s: %s" % (window["window"], problem))
    return problems, lines


def main():
    manifest = load_manifest(sys.argv[1])
    if not manifest:
        print("the gallery described no window")
        return 1
    names = [w["window"] for w in manifest]
    deadline = time.monotonic() + DEADLINE_S
    while True:
        windows = safe(lambda: find_windows(names))
        problems, lines = (walk(manifest, windows) if windows else
                           (["windows not on the bus yet: %s" % names], []))
        if not problems or time.monotonic() > deadline:
            break
        time.sleep(1)
    print("\n".join(lines))
    controls = sum(len(w["controls"]) for w in manifest)
    for problem in problems:
        print("PROBLEM:", problem)
    print("walked %d windows, %d controls: %d problems" % (len(manifest), controls, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
