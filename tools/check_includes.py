#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks that every include of the program points down.

A unit is a source file and its header (name.h and name.cpp). The check fails when
- two or more units include each other, directly or around a loop;
- a folder includes from a folder above it (the order below), or from a front end beside it;
- the engine, the calculators or the request layer include a Qt header.

    tools/check_includes.py [ROOT]

prints each finding and exits with 1 when there is one, else says what it checked.
"""

import pathlib
import re
import sys

# Each folder of the program and the folders it may include from, besides itself.
LAYERS = {
    "core": set(),
    "calc": {"core"},
    "request": {"core", "calc"},
    "ui": {"core"},
    "app": {"core", "calc", "ui"},
    "cli": {"core", "calc", "request"},
    "web": {"core", "calc", "request"},
}
# Folders that must build without Qt: the engine and all that the web page compiles.
WITHOUT_QT = {"core", "calc", "request", "cli", "web"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
QT_HEADER = re.compile(r"^Q[A-Za-z]|^Qt[A-Za-z]+/")


def units(root):
    found = {}
    for layer in LAYERS:
        for path in sorted((root / layer).rglob("*")):
            if path.suffix in (".h", ".cpp"):
                found.setdefault(path.with_suffix(""), []).append(path)
    return found


def resolve(root, source, name):
    for base in (source.parent, root):
        candidate = (base / name).resolve()
        if candidate.is_file():
            return candidate
    return None


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    all_units = units(root)
    edges = {unit: set() for unit in all_units}
    findings = []
    for unit, paths in all_units.items():
        layer = unit.relative_to(root).parts[0]
        for path in paths:
            for kind, name in INCLUDE.findall(path.read_text(encoding="utf-8")):
                shown = path.relative_to(root)
                if kind == "<":
                    if layer in WITHOUT_QT and QT_HEADER.match(name):
                        findings.append(f"{shown} includes the Qt header <{name}>")
                    continue
                target = resolve(root, path, name)
                if target is None:
                    continue
                try:
                    target_layer = target.relative_to(root).parts[0]
                except ValueError:
                    continue
                if target_layer != layer and target_layer not in LAYERS[layer]:
                    findings.append(f'{shown} includes "{name}" from {target_layer}/, above {layer}/ or beside it')
                target_unit = target.with_suffix("")
                if target_unit != unit and target_unit in edges:
                    edges[unit].add(target_unit)

    # Loops: the strongly connected components of more than one unit (Tarjan).
    index, low, stack, on_stack, loops = {}, {}, [], set(), []

    def visit(unit):
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for other in edges[unit]:
            if other not in index:
                visit(other)
                low[unit] = min(low[unit], low[other])
            elif other in on_stack:
                low[unit] = min(low[unit], index[other])
        if low[unit] == index[unit]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == unit:
                    break
            if len(component) > 1:
                loops.append(sorted(str(m.relative_to(root)) for m in component))

    sys.setrecursionlimit(10000)
    for unit in edges:
        if unit not in index:
            visit(unit)
    findings += ["these units include each other: " + ", ".join(loop) for loop in loops]

    for finding in findings:
        print(finding)
    if findings:
        return 1
    print(f"{len(all_units)} units in {len(LAYERS)} folders: every include points down, no loop, "
          "no Qt below the desktop")
    return 0


if __name__ == "__main__":
    sys.exit(main())
