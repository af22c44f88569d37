#!/usr/bin/python3
"""Prints the accessible tree of the running Ondulix, one "role<TAB>name<TAB>description" line a node.

Exits 1 when no application named Ondulix is on the accessibility bus within the timeout.
"""
import sys
import time

import pyatspi


def find_application(timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == "ondulix":
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    name = node.name or ""
    description = node.description or ""
    print(f"{node.getRoleName()}\t{name}\t{description}")
    for child in node:
        walk(child, depth + 1)


def main():
    app = find_application(float(sys.argv[1]) if len(sys.argv) > 1 else 20)
    if app is None:
        print("no application named Ondulix on the accessibility bus", file=sys.stderr)
        return 1
    walk(app)
    return 0


if __name__ == "__main__":
    sys.exit(main())
