#!/usr/bin/env python3
"""Checks the shape of the code: which folders include which, and how long
files and functions grow.

    check_shape.py includes SRC --core FILES --gui FILES [--qt DIRS]
    check_shape.py sizes SRC

FILES and DIRS are lists separated by semicolons, as CMake writes them.
"""
import os
import re
import sys

# The folders of src/ each folder may include from, its own always allowed.
# Dependencies point down: the launcher, the shell and the command line on
# top; the dialogs' folders and the week sheet below the shell; ui/ and
# core/ at the bottom.
ALLOWED = {
    "core": set(),
    "ui": {"core"},
    "period": {"core", "ui", "settings"},
    "settings": {"core", "ui"},
    "help": {"core", "ui", "settings"},
    "report": {"core", "ui", "settings", "period"},
    "export": {"core", "ui", "settings", "period"},
    "week": {"core", "ui", "settings"},
    "chart": {"core", "ui", "settings", "period", "report"},
    "shell": {"core", "ui", "settings", "period", "help", "report", "export", "week", "chart"},
    # The command line reaches the other folders' core-library files only
    # (checked below), never their widgets.
    "cli": {"core", "settings", "period", "report", "export", "week", "chart"},
    "app": {"core", "ui", "settings", "shell", "cli", "chart"},
}

# Qt modules whose headers need a display.
WIDGET_MODULES = ("QtGui", "QtWidgets", "QtPrintSupport")

MAX_FILE_LINES = 700
MAX_FUNCTION_LINES = 80
# Functions that are one table each, longer than a function may be.
TABLES = set()

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def sources(root):
    for folder, _, files in sorted(os.walk(root)):
        for name in sorted(files):
            if name.endswith((".cpp", ".h")):
                yield os.path.join(folder, name)


def includes(path):
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            match = INCLUDE.match(line)
            if match:
                yield number, match.group(1) == "<", match.group(2)


def widget_header(name, qt_dirs):
    if name.split("/")[0] in WIDGET_MODULES:
        return True
    for folder in qt_dirs:
        if os.path.basename(folder.rstrip("/")) in WIDGET_MODULES and os.path.isfile(
            os.path.join(folder, name)
        ):
            return True
    return False


def check_includes(root, core, gui, qt_dirs):
    root = os.path.realpath(root)
    core = {os.path.realpath(p) for p in core if p}
    gui = {os.path.realpath(p) for p in gui if p}
    faults = []
    for path in sources(root):
        real = os.path.realpath(path)
        relative = os.path.relpath(real, root)
        folder = relative.split(os.sep)[0]
        if folder not in ALLOWED:
            faults.append(f"{relative}: the folder {folder}/ has no place in the include rules")
            continue
        # A file of the core library, or any file of the command line, runs without a display.
        headless = real in core or folder == "cli"
        for number, system, name in includes(path):
            where = f"{relative}:{number}"
            if system:
                if headless and widget_header(name, qt_dirs):
                    faults.append(f"{where}: <{name}> needs a display, and this file does not have one")
                continue
            target = name.split("/")[0]
            if target == folder or "/" not in name:
                continue
            if target not in ALLOWED.get(folder, set()):
                faults.append(f"{where}: {folder}/ may not include {name}")
            elif headless and os.path.realpath(os.path.join(root, name)) in gui:
                faults.append(f"{where}: {name} is a widgets-library file")
    return faults


def functions(lines):
    """(first line, last line, name) of every function body: WebKit style
    puts a function's opening brace alone on its line, and nothing else's."""
    for start, line in enumerate(lines):
        match = re.match(r"^(\s*)\{$", line)
        if not match:
            continue
        indent = match.group(1)
        end = start + 1
        while end < len(lines) and not re.match(rf"^{indent}\}}", lines[end]):
            end += 1
        head = start - 1
        while head > 0 and lines[head - 1].strip() and not lines[head - 1].rstrip().endswith((";", "}", "{")):
            if lines[head - 1].lstrip().startswith(("//", "#", "template")):
                break
            head -= 1
        signature = " ".join(l.strip() for l in lines[head:start])
        name = re.search(r"([\w:~]+)\s*\(", signature)
        yield head + 1, end + 1, name.group(1) if name else signature


def check_sizes(root):
    faults = []
    for path in sources(root):
        relative = os.path.relpath(path, root)
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        if lines and lines[-1] == "":
            lines.pop()
        if len(lines) > MAX_FILE_LINES:
            faults.append(f"{relative}: {len(lines)} lines, more than {MAX_FILE_LINES}")
        for first, last, name in functions(lines):
            length = last - first + 1
            if length > MAX_FUNCTION_LINES and name not in TABLES:
                faults.append(f"{relative}:{first}: {name} has {length} lines, more than {MAX_FUNCTION_LINES}")
    return faults


def option(arguments, name):
    if name not in arguments:
        return []
    return arguments[arguments.index(name) + 1].split(";")


def main(arguments):
    if len(arguments) < 2 or arguments[0] not in ("includes", "sizes"):
        print(__doc__, file=sys.stderr)
        return 2
    root = arguments[1]
    if arguments[0] == "includes":
        faults = check_includes(
            root, option(arguments, "--core"), option(arguments, "--gui"), option(arguments, "--qt")
        )
    else:
        faults = check_sizes(root)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
