#!/usr/bin/python3
"""Prints the running Ondulix's accessible tree, a "role<TAB>name<TAB>description" line a node."""
import sys
import time

import pyatspi


def walk(node, depth=0):
    if node is not None and depth <= 40:
        print(f"{node.getRoleName()}\t{node.name or ''}\t{node.description or ''}")
        for child in node:
            walk(child, depth + 1)


end = time.monotonic() + float(sys.argv[1])
while not (apps := [a for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "ondulix"]):
    if time.monotonic() > end:
        sys.exit("no application named Ondulix on the accessibility bus")
    time.sleep(0.2)
walk(apps[0])
