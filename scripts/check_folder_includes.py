#!/usr/bin/env python3
"""Fails when a source folder includes a file of a folder it may not use.

Usage: check_folder_includes.py SOURCE_ROOT

Sources include each other by bare file name, so a header belongs to the one folder that holds
it. Prints one line per offending include, naming the file and the include, and exits 1.
"""

import re
import sys
from pathlib import Path

# The folders each folder may include from besides its own. The arrows point one way: app
# composes everything; the Qt windows sit on the seams in ui and adapt the window logic, which
# knows no toolkit, as the native Windows windows (win32) adapt it too; below them nothing knows a
# window, and nothing but camera knows the camera library.
MAY_INCLUDE = {
    "app": {
        "ui",
        "login",
        "settings",
        "window_logic",
        "editions",
        "cli",
        "change_log",
        "camera",
        "platform",
    },
    "login": {"ui", "window_logic", "editions", "camera", "platform"},
    "settings": {"ui", "window_logic", "editions", "camera", "platform"},
    "ui": {"window_logic", "editions", "camera"},
    "win32": {"window_logic", "editions", "change_log", "camera", "platform"},
    "window_logic": {"editions", "camera", "platform"},
    "editions": {"camera", "platform"},
    "qumat": {"cli", "camera", "platform"},
    "completions": {"camera", "platform"},
    "cli": {"change_log", "camera", "platform"},
    "change_log": {"camera", "platform"},
    "camera": {"platform", "k47_4g_pc"},
    "platform": set(),
    "k47_4g_pc": {"platform"},
}

# Folders that offer others only some of their files: the camera library is a product of its own,
# reached through its header alone.
OFFERS_ONLY = {"k47_4g_pc": {"k47_4g_pc.h"}}

# Only these folders may know Qt: the rest builds for every platform and toolkit.
KNOW_QT = {"app", "login", "settings", "ui"}

SOURCE_SUFFIXES = {".h", ".cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
QT_INCLUDE = re.compile(r'^\s*#\s*include\s*<(Q[A-Za-z]*(?:/[^>]*)?)>', re.MULTILINE)


def cycle_in(graph):
    """A cycle of the graph as a list of its folders, or None."""
    done, path = set(), []

    def visit(folder):
        if folder in path:
            return path[path.index(folder) :] + [folder]
        if folder in done:
            return None
        path.append(folder)
        for used in sorted(graph.get(folder, ())):
            found = visit(used)
            if found:
                return found
        path.pop()
        done.add(folder)
        return None

    for folder in sorted(graph):
        found = visit(folder)
        if found:
            return found
    return None


def sources(root):
    for folder in MAY_INCLUDE:
        directory = root / folder
        if directory.is_dir():
            yield from (
                path
                for path in sorted(directory.rglob("*"))
                if path.suffix in SOURCE_SUFFIXES and path.is_file()
            )


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    root = Path(argv[1]).resolve()
    faults = []

    cycle = cycle_in(MAY_INCLUDE)
    if cycle:
        faults.append("the allowed includes go round: " + " -> ".join(cycle))

    folder_of_name = {}
    for path in sources(root):
        if path.suffix != ".h":
            continue
        folder = path.relative_to(root).parts[0]
        other = folder_of_name.setdefault(path.name, folder)
        if other != folder:
            faults.append(f"{path.name} is in both {other}/ and {folder}/")

    for path in sources(root):
        folder = path.relative_to(root).parts[0]
        text = path.read_text(encoding="utf-8", errors="replace")
        if folder not in KNOW_QT:
            for header in QT_INCLUDE.findall(text):
                faults.append(f"{path.relative_to(root)} includes <{header}>; {folder}/ knows no Qt")
        for included in INCLUDE.findall(text):
            beside = (path.parent / included).resolve()
            if "/" in included and beside.is_file() and beside.is_relative_to(root):
                target = beside.relative_to(root).parts[0]
            else:
                target = folder_of_name.get(Path(included).name)
            if target is None or target == folder:
                continue
            offered = OFFERS_ONLY.get(target)
            if target not in MAY_INCLUDE[folder]:
                allowed = ", ".join(sorted(MAY_INCLUDE[folder])) or "nothing"
                faults.append(
                    f"{path.relative_to(root)} includes {included} of {target}/; "
                    f"{folder}/ may include from {allowed}"
                )
            elif offered is not None and Path(included).name not in offered:
                faults.append(
                    f"{path.relative_to(root)} includes {included} of {target}/, which offers "
                    f"only {', '.join(sorted(offered))}"
                )

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
