#!/usr/bin/env python3
"""Checks who may include whom under src/: each folder only the folders below it (the table), no
feature folder of ui/ another, and no files that include each other in a circle. Prints each
breach; exits 1 when there is one."""
import pathlib, re, sys

SRC = pathlib.Path(__file__).resolve().parents[1] / "src"
CORE = {"util", "plot", "moon", "people", "settings", "chart", "process"}
MAY = {  # a folder: the folders it may include besides itself
    "util": set(),
    "plot": {"util"},
    "moon": {"util"},
    "people": {"util"},
    "settings": {"util", "people"},
    "chart": {"util", "plot", "moon", "people"},
    "process": {"util", "settings", "people"},
    "ui/widgets": CORE,
}
INCLUDE = re.compile(r'^#include "([^"]+)"', re.M)


def folder(path):
    parts = pathlib.PurePath(path).parts
    return "/".join(parts[:2]) if parts[0] == "ui" else parts[0]


def allowed(here, there):
    if here == there:
        return True
    if here in MAY:
        return there in MAY[here]
    if here == "ui/window":
        return True
    return there in CORE or there == "ui/widgets"  # a feature folder


files = {str(p.relative_to(SRC)): INCLUDE.findall(p.read_text())
         for p in SRC.rglob("*") if p.suffix in (".h", ".cpp")}
breaches = [f"{f} includes {i}" for f, incs in sorted(files.items()) for i in incs
            if i in files and not allowed(folder(f), folder(i))]
# Circles: a header reached again from itself.
graph = {f: [i for i in incs if i in files] for f, incs in files.items()}
seen, stack = {}, []


def visit(f):
    seen[f] = "open"
    stack.append(f)
    for i in graph[f]:
        if seen.get(i) == "open":
            breaches.append("circle: " + " -> ".join(stack[stack.index(i):] + [i]))
        elif i not in seen:
            visit(i)
    stack.pop()
    seen[f] = "done"


for f in sorted(graph):
    if f not in seen:
        visit(f)
print("\n".join(breaches) or "includes: every folder includes only those below it; no circles")
sys.exit(1 if breaches else 0)
