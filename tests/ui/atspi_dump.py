#!/usr/bin/env python3
"""Prints what a screen reader hears of a running program over AT-SPI.

atspi_dump.py APPLICATION NAME...

Waits for APPLICATION on the accessibility bus, prints one line per object of
its windows (role, name, description, indented by depth) and fails unless
every NAME is the name or the label of an object that takes text or shows
a value. A NAME written as "NAME|DESCRIPTION" must be an object's name with
that description.
"""
import sys
import time

import pyatspi


def find_application(name, seen, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            seen.add(app.name)
            if app.name.lower() == name.lower() and app.childCount > 0:
                return app
        time.sleep(0.5)
    return None


def labels_of(node):
    """The names of the labels that a screen reader reads with the object."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def walk(node, depth, lines, named):
    role = node.getRoleName()
    labels = labels_of(node)
    named.add('%s|%s' % (node.name, node.description))
    lines.append('%s%s: "%s"%s%s' % ('  ' * depth, role, node.name,
                                     ' (%s)' % node.description if node.description else '',
                                     ' labelled by "%s"' % '", "'.join(labels) if labels else ''))
    named.update(labels)
    if role in ('text', 'label', 'spin button', 'combo box', 'push button', 'check box'):
        named.add(node.name)
    for child in node:
        if child is not None:
            walk(child, depth + 1, lines, named)


def main():
    application, wanted = sys.argv[1], sys.argv[2:]
    seen = set()
    app = find_application(application, seen)
    if app is None:
        print('FAIL: %s did not appear on the accessibility bus, only: %s' % (application, ', '.join(sorted(seen))))
        return 1
    lines, named = [], set()
    walk(app, 0, lines, named)
    print('\n'.join(lines))
    missing = [name for name in wanted if name not in named]
    if missing:
        print('FAIL: a screen reader hears no %s' % ', '.join('"%s"' % m for m in missing))
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
